// SPDX-License-Identifier: GPL-3.0-or-later
// A match saved as text and brought back: every slot, counter, setting and
// scratch value that play reads, the score grid and the random generator's
// state, as versioned JSON, so that a loaded match plays on exactly as the
// saved one would have.
#pragma once

#include <string>
#include <string_view>

namespace qorza {

struct Game;

// The text's "format" and the "version" this program writes and reads.
inline constexpr const char* kSavedMatchFormat = "qorza-match";
inline constexpr int kSavedMatchVersion = 1;

// The whole match as JSON text (UTF-8). The card library, the sound folder
// and the platform are the program's own and are not saved.
std::string saveMatch(const Game& game);

// Loads text written by saveMatch into game. On any fault (not JSON, a field
// missing or of the wrong type, a value the game cannot hold, a card that is
// no card, a newer version) it returns false, puts a short reason in *error
// and leaves game as it was. The platform game reaches stays its own.
bool loadMatch(Game& game, std::string_view text, std::string* error = nullptr);

// True when no turn of the match in play has been played: its first deal has
// no card played and no deal has been scored. Such a match holds nothing to
// resume; a finished match is followed at once by the next one's first deal,
// so after the last turn of a match this holds too. Whether a score has
// passed the target is matchIsOver (scoring/results_grid.h).
bool matchUnplayed(const Game& game);

}  // namespace qorza

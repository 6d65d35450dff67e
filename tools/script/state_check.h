// SPDX-License-Identifier: GPL-3.0-or-later
// What a script may build before it plays: values each within what the game
// holds, and a state as a whole that a real game could reach, so the logic
// never runs on a table it was not made for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qorza {
struct Game;
}

namespace qorza::script {

// Why the game cannot play on from this state, or nothing when it can: the
// deck and hand sizes, the turn and dealt counters against them, and room on
// both point strips for every point card on the table and in the hands.
std::optional<std::string> unplayableState(const Game& game);

// Whether text is well-formed UTF-8 (no overlong forms, no surrogates).
bool isUtf8(std::string_view text);

}  // namespace qorza::script

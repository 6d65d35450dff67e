// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a game's position is one that play can reach between two turns:
// each card of the deck in one place only, counts that add up, hands within
// their size, a generator that can shuffle. A saved match is loaded only
// when it holds such a position, so that the next deal can never hang or
// read past a slot.
#pragma once

#include <optional>
#include <string>

namespace qorza {

struct Game;

// Nothing when play can reach the position; otherwise what cannot be, named
// by its field.
std::optional<std::string> unreachablePosition(const Game& game);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// The compact rules held to the slot model during self-play: a whole turn
// replayed on the compact position must leave the same table, hands and
// counters as the game's own turn.
#pragma once

#include "rules/compact/position.h"

namespace qorza {
struct Game;
}

namespace qorza::sim {

// Throws InvariantError when the turn of player 1's slot `played1` (1..6),
// which took `before` to `after`, disagrees with the compact rules.
void checkTurnAgainstCompact(const compact::Position& before, int played1, const Game& after);

}  // namespace qorza::sim

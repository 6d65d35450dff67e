// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/compact_check.h"

#include <string>

#include "game/game_state.h"
#include "rules/compact/from_game.h"
#include "tools/sim/invariants.h"

namespace qorza::sim {

void checkTurnAgainstCompact(const compact::Position& before, int played1, const Game& g) {
  const compact::Position after = compact::positionOf(g);
  // Player 2's card: the one slot that held a card and now holds none, or
  // its only card when the next hands have been dealt since.
  int played2 = -1;
  for (int s = 0; s < compact::kHandSlots; ++s) {
    const auto at = static_cast<std::size_t>(s);
    if (before.hands[1][at] != 0 && (after.hands[1][at] == 0 || before.handCount(1) == 1)) {
      played2 = s;
    }
  }
  compact::Position mine = before;
  compact::playPlayer1(mine, played1 - 1);
  if (played2 >= 0) {
    compact::playPlayer2(mine, played2);
  }
  compact::dealNextHands(mine);
  if (mine.table != after.table || mine.hands != after.hands || mine.cards != after.cards ||
      mine.points != after.points || mine.qorzaHalves != after.qorzaHalves) {
    throw InvariantError("the compact rules differ from the slot model's in this turn");
  }
}

}  // namespace qorza::sim

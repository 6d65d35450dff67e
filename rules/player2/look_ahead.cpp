// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/player2/look_ahead.h"

#include <array>
#include <cstddef>

#include "game/card_values.h"
#include "game/game_state.h"
#include "rules/player2/computer_turn.h"

namespace qorza {

namespace {

// Hides on the copy every set of two to four look-ahead cards whose ranks add
// up to PlayedValue. The ranks are those of the Tags (LookValue), which hiding
// leaves alone, so a card may take part in several sets. Ranks are never
// negative, so a partial set already past the target can be dropped.
void hideSums(Game& g, std::array<int, 4>& at, int size, int sum, int from) {
  const int target = g.p1.PlayedValue;
  if (size >= 2 && sum == target) {
    for (int i = 0; i < size; ++i) {
      g.game1(g.p2.LookSlot(at[static_cast<std::size_t>(i)])).Visible = false;
    }
  }
  if (size == static_cast<int>(at.size())) {
    return;  // no set is larger than four cards
  }
  for (int k = from; k <= g.p2.LookCount; ++k) {
    const int next = sum + g.p2.LookValue(k);
    if (next > target) {
      continue;
    }
    at[static_cast<std::size_t>(size)] = k;
    hideSums(g, at, size + 1, next, k + 1);
  }
}

int cardsLeftOnLook(const Game& g) {
  int left = 0;
  for (int k = 1; k <= g.p2.LookCount; ++k) {
    if (g.game1(g.p2.LookSlot(k)).Visible) {
      ++left;
    }
  }
  return left;
}

// True when some low card of player 1 (below a Jack) could clear the table
// once hand position i is laid.
bool opponentCouldClear(Game& g, int i) {
  for (int j = 1; j <= g.p2.HandCount1; ++j) {
    g.p1.PlayedValue = g.p2.HandValue1(j);
    if (g.p1.PlayedValue >= kJack) {
      continue;
    }
    TrialLay(g, i);
    TrialOpponentTake(g);
    g.p1.TableLeft = cardsLeftOnLook(g);
    if (g.p1.TableLeft == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

void LookAheadDiscard(Game& g) {
  const Player2Scratch& p2 = g.p2;
  for (int i = 1; i <= p2.HandCount2; ++i) {
    if (p2.HandValue2(i) == kJack || p2.HandCount2 == 1) {
      continue;
    }
    if (!opponentCouldClear(g, i)) {
      playHandPosition(g, i);
      return;
    }
  }
  playHandPosition(g, 1);  // no card is safe
}

void TrialLay(Game& g, int k) {
  CopyTable(g);
  const int s = FirstFreeTableSlot(g);
  if (s != 0) {  // on a full table the card would not land: the copy stays as it is
    const int slot = g.p2.HandSlot2(k);
    g.game1(s).Picture = g.Player02(slot).Picture;
    g.game1(s).Tag = g.Player2(slot).Tag;
    g.game1(s).ToolTipText = g.Player2(slot).ToolTipText;
    g.game1(s).Visible = true;
  }
  Player2Scratch& p2 = g.p2;
  p2.LookCount = 0;
  for (int i = 1; i <= 10; ++i) {
    if (g.game1(i).Visible) {
      p2.LookCount += 1;
      p2.LookValue(p2.LookCount) = valueOf(g.game1(i));
      p2.LookSlot(p2.LookCount) = i;
    }
  }
}

void TrialOpponentTake(Game& g) {
  const Player2Scratch& p2 = g.p2;
  for (int k = 1; k <= p2.LookCount; ++k) {
    if (p2.LookValue(k) == g.p1.PlayedValue) {
      g.game1(p2.LookSlot(k)).Visible = false;
      break;
    }
  }
  std::array<int, 4> at{};
  hideSums(g, at, 0, 0, 1);
}

}  // namespace qorza

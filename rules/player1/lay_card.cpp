// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/player1/lay_card.h"

#include "game/game_state.h"
#include "game/numbers.h"
#include "rules/player1/point_cards.h"

namespace qorza {

void layPlayedCard(Game& g, int k) {
  const CardSlot& played = g.Player1(k);
  const int s = FirstFreeTableSlot(g);
  if (s == 0) {
    g.TXT_CARD(1).Text = addToCounter(g.TXT_CARD(1).Text, 1);
    ScoreCardFromHand(g, valueOf(played), played.ToolTipText, k);
    return;
  }
  copyCard(g.game(s), played);
  g.game(s).Visible = true;
}

}  // namespace qorza

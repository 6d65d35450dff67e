// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/player1/point_cards.h"

#include "game/card_values.h"
#include "game/game_state.h"
#include "game/numbers.h"
#include "sound/sounds.h"

namespace qorza {

namespace {

// Adds the card to player 1's strip of point cards and to its points.
void award(Game& g, int points, const std::string& picture) {
  CardSlot& strip = g.img_card1(g.CardImgNext1);
  strip.Picture = picture;
  strip.Visible = true;
  g.TXT_POINT(1).Text = addToCounter(g.TXT_POINT(1).Text, points);
  g.CardImgNext1 += 1;
}

}  // namespace

void ScoreTableCard(Game& g, int s) {
  const CardSlot& card = g.game(s);
  const int v = valueOf(card);
  const int p = pointsOf(v, card.ToolTipText);
  if (p == 0) {
    return;
  }
  if (v == kAce) {
    g.p1.AceSoundDue = true;
  } else if (isMarkedTwo(v, card.ToolTipText)) {
    g.p1.TwoSoundDue = true;
  } else if (isMarkedTen(v, card.ToolTipText)) {
    g.p1.TenSoundDue = true;
  }
  award(g, p, card.Picture);
}

void ScorePlayedCard(Game& g, int k) {
  const CardSlot& card = g.Player1(k);
  const int v = valueOf(card);
  const int p = pointsOf(v, card.ToolTipText);
  if (p == 0) {
    return;
  }
  if (v == kAce) {
    PlayAceSound(g);
  } else if (v == kJack) {
    PlayJackCaptureSound(g);
  } else if (isMarkedTwo(v, card.ToolTipText)) {
    PlayTwoSound(g);
  } else if (isMarkedTen(v, card.ToolTipText)) {
    PlayTenSound(g);
  }
  award(g, p, card.Picture);
}

void ScoreCardFromTable(Game& g, int v, const std::string& m, int s) {
  const int p = pointsOf(v, m);
  if (p != 0) {
    award(g, p, g.game(s).Picture);
  }
}

void ScoreCardFromHand(Game& g, int v, const std::string& m, int k) {
  const int p = pointsOf(v, m);
  if (p != 0) {
    award(g, p, g.Player1(k).Picture);
  }
}

void RecordQorza(Game& g, int k) {
  const int q = g.QorzaImgNext1;
  double worth = 0;
  for (int i = 1; i <= g.p1.TableCount; ++i) {
    worth += qorzaWorthOf(g.p1.TableValue(i));
  }
  const CardSlot& played = g.Player1(k);
  ScoreCardFromHand(g, valueOf(played), played.ToolTipText, k);
  worth += qorzaWorthOf(valueOf(played));
  g.lbl_qorza1(q).Caption = numeral(worth);
  g.txt_qorza(1).Text = addToCounter(g.txt_qorza(1).Text, worth);
  g.img_qorza1(q).Picture = played.Picture;
  g.img_qorza1(q).Visible = true;
  g.lbl_qorza1(q).Visible = true;
  if (q == 6) {
    // The sixth Qorza counts in the total, but the display starts afresh.
    g.QorzaImgNext1 = 0;
    for (int i = 1; i <= 6; ++i) {
      g.img_qorza1(i).Visible = false;
      g.lbl_qorza1(i).Visible = false;
    }
  }
  g.QorzaImgNext1 += 1;
  PlayQorzaSound(g);
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/player2/point_cards2.h"

#include "game/card_values.h"
#include "game/game_state.h"
#include "game/numbers.h"
#include "sound/sounds.h"

namespace qorza {

namespace {

void raiseSoundFlag(Player2Scratch& p2, int value) {
  switch (value) {
    case kAce:
      p2.AceSoundDue2 = true;
      break;
    case 2:
      p2.TwoSoundDue2 = true;
      break;
    case 10:
      p2.TenSoundDue2 = true;
      break;
    case kJack:
      p2.JackSoundDue2 = true;
      break;
    default:
      break;
  }
}

// Shows picture at the next free position of player 2's point-card strip.
void addToStrip(Game& g, const std::string& picture) {
  CardSlot& entry = g.img_card2(g.CardImgNext2);
  entry.Picture = picture;
  entry.Visible = true;
  g.CardImgNext2 += 1;
}

void bank(Game& g, int value, const std::string& mark, const std::string& picture) {
  const int points = pointsOf(value, mark);
  if (points != 0) {
    raiseSoundFlag(g.p2, value);
    g.TXT_POINT(2).Text = addToCounter(g.TXT_POINT(2).Text, points);
    addToStrip(g, picture);
  }
  g.TXT_CARD(2).Text = addToCounter(g.TXT_CARD(2).Text, 1);
}

// Shows a Qorza of the given worth, made by picture, at the next display
// position; the sixth fills the display, which is then cleared.
void showQorza(Game& g, double worth, const std::string& picture) {
  const int at = g.QorzaImgNext2;
  g.lbl_qorza2(at).Caption = numeral(worth);
  g.lbl_qorza2(at).Visible = true;
  g.img_qorza2(at).Picture = picture;
  g.img_qorza2(at).Visible = true;
  g.txt_qorza(2).Text = addToCounter(g.txt_qorza(2).Text, numberOf(g.lbl_qorza2(at).Caption));
  if (g.QorzaImgNext2 == 6) {
    g.QorzaImgNext2 = 0;
    for (int i = 1; i <= 6; ++i) {
      g.img_qorza2(i).Visible = false;
      g.lbl_qorza2(i).Visible = false;
    }
  }
  g.QorzaImgNext2 += 1;
}

}  // namespace

void ScoreTableCard2(Game& g, int value, const std::string& mark, int slot) {
  bank(g, value, mark, g.game(slot).Picture);
}

void ScorePlayedCard2(Game& g, int slot) {
  const CardSlot& played = g.Player2(slot);
  bank(g, valueOf(played), played.ToolTipText, g.Player02(slot).Picture);
}

void JackOnLoneJack(Game& g, int k) {
  const int t = g.p2.TableSlot2(1);
  const int s = g.p2.HandSlot2(k);
  g.game(t).Visible = false;
  g.TXT_CARD(2).Text = addToCounter(g.TXT_CARD(2).Text, 2);
  g.TXT_POINT(2).Text = addToCounter(g.TXT_POINT(2).Text, 2);
  addToStrip(g, g.game(t).Picture);
  addToStrip(g, g.Player02(s).Picture);
  showQorza(g, 2 * qorzaWorthOf(kJack), g.Player02(s).Picture);
}

void RecordQorza2(Game& g, int k) {
  double worth = qorzaWorthOf(g.p2.HandValue2(k));
  for (int j = 1; j <= g.p2.TableCount2; ++j) {
    worth += qorzaWorthOf(g.p2.TakenValue2(j));
  }
  showQorza(g, worth, g.Player02(g.p2.HandSlot2(k)).Picture);
  PlayQorzaSound(g);
}

}  // namespace qorza

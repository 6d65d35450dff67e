// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/player1/player1_play.h"

#include "game/card_values.h"
#include "game/game_state.h"
#include "game/numbers.h"
#include "rules/player1/capture_steps.h"
#include "rules/player1/lay_card.h"
#include "rules/player1/point_cards.h"
#include "sound/sounds.h"

namespace qorza {

namespace {

void clearSoundsDue(Player1Scratch& p) {
  p.AceSoundDue = false;
  p.TwoSoundDue = false;
  p.TenSoundDue = false;
}

void runCaptureSteps(Game& g) {
  const int v = g.p1.PlayedValue;
  if (v == kJack) {
    TakeAllWithJack(g);
    g.p1.JackPlayed = true;
    return;
  }
  if ((v >= kAce && v <= 10) || v == kQueen || v == kKing) {
    TakeEqualCard(g);
  }
  if (v >= 3 && v <= 10) {
    TakeSums(g);
  }
  if (v == 10) {
    TakeFourSum(g);
  }
}

int countSurvivors(const Game& g) {
  int left = 0;
  for (int i = 1; i <= g.p1.TableCount; ++i) {
    if (g.game(g.p1.TableSlot(i)).Visible) {
      ++left;
    }
  }
  return left;
}

// Cards still on the table: the sounds of the taken table cards.
void playDueSounds(Game& g) {
  if (g.p1.AceSoundDue) {
    PlayAceSound(g);
  }
  if (g.p1.TwoSoundDue) {
    PlayTwoSound(g);
  }
  if (g.p1.TenSoundDue) {
    PlayTenSound(g);
  }
}

// The table is empty: a Qorza, unless a Jack took cards other than a lone Jack.
void tableCleared(Game& g, int k) {
  Player1Scratch& p = g.p1;
  if (!p.JackPlayed) {
    p.QorzaMade = true;
    RecordQorza(g, k);
    return;
  }
  if (p.TableCount == 1 && p.TableValue(1) == kJack) {
    RecordQorza(g, k);
    return;
  }
  p.SumTaken = true;
  for (int i = 1; i <= p.TableCount; ++i) {
    const CardSlot& taken = g.game(p.TableSlot(i));
    ScoreCardFromTable(g, valueOf(taken), taken.ToolTipText, p.TableSlot(i));
  }
}

}  // namespace

void HideHandCard(Game& g, int k) {
  if (g.DelayMs <= 0) {
    g.Player1(k).Visible = false;
    return;
  }
  for (int blink = 0; blink < 3; ++blink) {
    g.Player1(k).Visible = !g.Player1(k).Visible;
    g.platform().doEvents();
    g.platform().sleepMs(g.DelayMs);
  }
}

void ReadTable(Game& g) {
  Player1Scratch& p = g.p1;
  p.TableCount = 0;
  p.TableWasEmpty = false;
  for (int i = 1; i <= 10; ++i) {
    if (g.game(i).Visible) {
      p.TableCount += 1;
      p.TableValue(p.TableCount) = valueOf(g.game(i));
      p.TableSlot(p.TableCount) = i;
    }
  }
  if (p.TableCount == 0) {
    p.TableWasEmpty = true;
  }
}

void H1_player1(Game& g, int k) {
  Player1Scratch& p = g.p1;
  clearSoundsDue(p);
  HideHandCard(g, k);
  ReadTable(g);
  p.PlayedValue = valueOf(g.Player1(k));
  if (p.TableWasEmpty) {
    if (p.PlayedValue == kJack) {
      PlayJackOnEmptySound(g);
    }
    layPlayedCard(g, k);
    return;
  }
  p.QorzaMade = p.EqualTaken = p.SumTaken = p.JackPlayed = false;
  clearSoundsDue(p);
  runCaptureSteps(g);
  p.TableLeft = countSurvivors(g);
  if (p.TableLeft < p.TableCount) {
    g.TXT_CARD(1).Text = addToCounter(g.TXT_CARD(1).Text, 1);  // the played card
  }
  if (p.TableLeft != 0) {
    playDueSounds(g);
  } else {
    tableCleared(g, k);
  }
  if (!p.EqualTaken && !p.SumTaken && !p.JackPlayed) {
    layPlayedCard(g, k);
  } else if (!p.QorzaMade) {
    ScorePlayedCard(g, k);
  }
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/player2/computer_turn.h"

#include "game/card_values.h"
#include "game/game_state.h"
#include "rules/player2/point_cards2.h"
#include "sound/sounds.h"

namespace qorza {

namespace {

// Banks game(t) for player 2 and takes it off the table.
void takeTableCard(Game& g, int t) {
  ScoreTableCard2(g, valueOf(g.game(t)), g.game(t).ToolTipText, t);
  g.game(t).Visible = false;
}

void takeRecord(Game& g, const CaptureRecord& record) {
  for (int j = 1; j <= record.Count; ++j) {
    takeTableCard(g, record.Slot(j));
  }
}

// Every card of the table snapshot goes to player 2.
void takeWholeTable(Game& g) {
  for (int j = 1; j <= g.p2.TableCount2; ++j) {
    takeTableCard(g, g.p2.TableSlot2(j));
  }
}

}  // namespace

void ReadHands(Game& g) {
  Player2Scratch& p2 = g.p2;
  p2.HandCount2 = 0;
  p2.HandCount1 = 0;
  for (int i = 1; i <= g.HandSize; ++i) {
    if (g.Player2(i).Visible) {
      p2.HandCount2 += 1;
      p2.HandValue2(p2.HandCount2) = valueOf(g.Player2(i));
      p2.HandSlot2(p2.HandCount2) = i;
    }
    if (g.Player1(i).Visible) {
      p2.HandCount1 += 1;
      p2.HandValue1(p2.HandCount1) = valueOf(g.Player1(i));
      p2.HandSlot1(p2.HandCount1) = i;
    }
  }
}

void CopyTable(Game& g) {
  for (int i = 1; i <= 10; ++i) {
    if (g.game(i).Visible) {
      copyCard(g.game1(i), g.game(i));
    }
  }
  ResetTableCopy(g);
}

void ResetTableCopy(Game& g) {
  Player2Scratch& p2 = g.p2;
  p2.TableCount2 = 0;
  for (int i = 1; i <= 10; ++i) {
    g.game1(i).Visible = g.game(i).Visible;
    if (!g.game(i).Visible) {
      continue;
    }
    p2.TableCount2 += 1;
    p2.TableValue2(p2.TableCount2) = valueOf(g.game(i));
    p2.TableSlot2(p2.TableCount2) = i;
  }
}

void RevealHandCard(Game& g, int slot) {
  CardSlot& back = g.Player2(slot);
  CardSlot& face = g.Player02(slot);
  back.Picture = face.Picture;
  if (g.DelayMs > 0) {
    // Shown, hidden, shown, hidden: the card blinks and ends out of the hand.
    for (int step = 0; step < 3; ++step) {
      back.Visible = !back.Visible;
      face.Visible = !face.Visible;
      g.platform().doEvents();
      g.platform().sleepMs(g.DelayMs);
    }
    return;
  }
  g.platform().doEvents();
  g.platform().sleepMs(300);
  back.Visible = false;
  face.Visible = false;
}

void LayOnTable(Game& g, int slot) {
  const int s = FirstFreeTableSlot(g);
  if (s == 0) {
    ScorePlayedCard2(g, slot);  // no room on the table: the card stays with player 2
    return;
  }
  g.game(s).Picture = g.Player02(slot).Picture;
  g.game(s).Tag = g.Player2(slot).Tag;
  g.game(s).ToolTipText = g.Player2(slot).ToolTipText;
  g.game(s).Visible = true;
}

void TakeRecordedCards(Game& g, int k) {
  Player2Scratch& p2 = g.p2;
  takeRecord(g, p2.TakeQuads(k));
  takeRecord(g, p2.TakeTriples(k));
  takeRecord(g, p2.TakePairs(k));
  if (!p2.TakeEqual(k).Found) {
    return;
  }
  const int s = p2.TakeEqual(k).Slot(1);
  if (valueOf(g.game(s)) == kJack) {
    takeWholeTable(g);  // a Jack that takes a Jack takes every table card
  } else {
    takeTableCard(g, s);
  }
}

void PlayWithoutCapture(Game& g, int k) {
  const int slot = g.p2.HandSlot2(k);
  if (g.p2.HandValue2(k) != kJack) {
    LayOnTable(g, slot);
    return;
  }
  // A Jack takes the whole table; it is never laid, and this is no Qorza.
  ScorePlayedCard2(g, slot);
  if (g.p2.TableCount2 == 0) {
    PlayJackOnEmptySound(g);
  }
  takeWholeTable(g);
  PlayJackCaptureSound(g);
}

void playHandPosition(Game& g, int k) {
  RevealHandCard(g, g.p2.HandSlot2(k));
  PlayWithoutCapture(g, k);
}

}  // namespace qorza

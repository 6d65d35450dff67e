// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/player2/player2_play.h"

#include "game/card_values.h"
#include "game/game_state.h"
#include "rules/expert/expert_turn.h"
#include "rules/player2/capture_search.h"
#include "rules/player2/computer_turn.h"
#include "rules/player2/discard_choice.h"
#include "rules/player2/point_cards2.h"
#include "sound/sounds.h"

namespace qorza {

namespace {

void clearTurnResults(Player2Scratch& p2) {
  p2.MakesQorza.fill(false);
  p2.TakeEqual.fill({});
  p2.TakePairs.fill({});
  p2.TakeTriples.fill({});
  p2.TakeQuads.fill({});
  p2.TakeCount.fill(0);
  p2.AceSoundDue2 = false;
  p2.TwoSoundDue2 = false;
  p2.TenSoundDue2 = false;
  p2.JackSoundDue2 = false;
}

void discardOnEmptyTable(Game& g) {
  if (g.SkillLevel == 1) {
    const int s = ChooseLowDiscard(g);
    LayOnTable(g, s);
    if (valueOf(g.Player2(s)) == kJack) {
      PlayJackOnEmptySound(g);
    }
    return;
  }
  LayOnTable(g, ChooseSafeDiscard(g));  // sounds for a Jack itself
}

// The first Jack in hand takes the lone table Jack; false without one.
bool playJackOnLoneJack(Game& g) {
  for (int k = 1; k <= g.p2.HandCount2; ++k) {
    if (g.p2.HandValue2(k) == kJack) {
      RevealHandCard(g, g.p2.HandSlot2(k));
      JackOnLoneJack(g, k);
      PlayQorzaSound(g);
      return true;
    }
  }
  return false;
}

bool someCardTakes(const Player2Scratch& p2) {
  for (int k = 1; k <= p2.HandCount2; ++k) {
    if (p2.TakeCount(k) != 0) {
      return true;
    }
  }
  return false;
}

// A capture that clears the table sounds only its Qorza; any other sounds
// each due card once, in the order Ace, two, ten, Jack.
void playCapture(Game& g, int k) {
  Player2Scratch& p2 = g.p2;
  RevealHandCard(g, p2.HandSlot2(k));
  ScorePlayedCard2(g, p2.HandSlot2(k));
  TakeRecordedCards(g, k);
  if (p2.MakesQorza(k)) {
    RecordQorza2(g, k);
    return;
  }
  if (p2.AceSoundDue2) PlayAceSound(g);
  if (p2.TwoSoundDue2) PlayTwoSound(g);
  if (p2.TenSoundDue2) PlayTenSound(g);
  if (p2.JackSoundDue2) PlayJackCaptureSound(g);
}

void playWithoutCaptureByLevel(Game& g) {
  if (g.SkillLevel == 1) {
    NoCaptureLevel1(g);
  } else if (g.SkillLevel == 2) {
    NoCaptureLevel2(g);
  } else {
    NoCaptureLevel3(g);
  }
}

}  // namespace

void H2_player2(Game& g, int /*index*/) {
  if (g.SkillLevel == kExpertLevel) {
    playChosenCard(g, expertSlot(g));
    return;
  }
  Player2Scratch& p2 = g.p2;
  clearTurnResults(p2);
  ReadHands(g);
  CopyTable(g);
  if (p2.HandCount2 == 0) {
    return;  // nothing in hand: no play to make
  }
  if (p2.TableCount2 == 0) {
    discardOnEmptyTable(g);
    return;
  }
  if (p2.TableCount2 == 1 && p2.TableValue2(1) == kJack) {
    if (playJackOnLoneJack(g)) {
      return;
    }
  } else {
    EvaluateCaptures(g);
    if (someCardTakes(p2)) {
      playCapture(g, p2.SweepFound ? p2.SweepCard : ChooseBestCapture(g));
      return;
    }
  }
  playWithoutCaptureByLevel(g);
}

void playChosenCard(Game& g, int slot) {
  Player2Scratch& p2 = g.p2;
  clearTurnResults(p2);
  ReadHands(g);
  CopyTable(g);
  int k = 0;
  for (int i = 1; i <= p2.HandCount2; ++i) {
    if (p2.HandSlot2(i) == slot) {
      k = i;
    }
  }
  if (k == 0) {
    return;  // no card in that slot: no play to make
  }
  if (p2.TableCount2 == 0) {
    RevealHandCard(g, slot);
    if (p2.HandValue2(k) == kJack) {
      PlayJackOnEmptySound(g);
    }
    LayOnTable(g, slot);
    return;
  }
  if (p2.TableCount2 == 1 && p2.TableValue2(1) == kJack && p2.HandValue2(k) == kJack) {
    RevealHandCard(g, slot);
    JackOnLoneJack(g, k);
    PlayQorzaSound(g);
    return;
  }
  // The capture search for this card alone, as EvaluateCaptures tries each.
  p2.TrialValue = p2.HandValue2(k);
  TryEqualCard(g, k);
  if (p2.TrialValue >= 3 && p2.TrialValue <= 10) {
    TryPairs(g, k);
  }
  if (p2.TrialValue >= 6 && p2.TrialValue <= 10) {
    TryTriples(g, k);
  }
  if (p2.TrialValue == 10) {
    TryQuads(g, k);
  }
  int left = 0;
  for (int j = 1; j <= p2.TableCount2; ++j) {
    left += g.game1(p2.TableSlot2(j)).Visible ? 1 : 0;
  }
  p2.MakesQorza(k) = left == 0;
  if (p2.TakeCount(k) != 0) {
    playCapture(g, k);
    return;
  }
  playHandPosition(g, k);
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/player2/discard_choice.h"

#include "game/card_values.h"
#include "game/game_state.h"
#include "rules/player2/computer_turn.h"
#include "rules/player2/look_ahead.h"
#include "sound/sounds.h"

namespace qorza {

namespace {

// img_swap holds the current candidate: face from Player02, data from Player2.
void takeIntoSwap(Game& g, int slot) {
  g.img_swap.Picture = g.Player02(slot).Picture;
  g.img_swap.Tag = g.Player2(slot).Tag;
  g.img_swap.ToolTipText = g.Player2(slot).ToolTipText;
}

// A lower card than the candidate, never a Jack; a Jack candidate gives way
// to a Queen or King.
bool isLowerCandidate(int a, int b) {
  return (a <= b && a != kJack) || (b == kJack && a >= kQueen);
}

// The first hand position holding a card that qualifies; 0 when none does.
template <typename Test>
int firstHandPosition(const Game& g, Test test) {
  for (int k = 1; k <= g.p2.HandCount2; ++k) {
    if (test(g.p2.HandValue2(k))) {
      return k;
    }
  }
  return 0;
}

int firstJack(const Game& g) {
  return firstHandPosition(g, [](int v) { return v == kJack; });
}

// Plays hand position k, or FallbackDiscard when there is none (k = 0).
void playOrFallBack(Game& g, int k) {
  if (k != 0) {
    playHandPosition(g, k);
  } else {
    FallbackDiscard(g);
  }
}

bool tableHoldsPointCard(const Game& g) {
  for (int j = 1; j <= g.p2.TableCount2; ++j) {
    const CardSlot& card = g.game(g.p2.TableSlot2(j));
    const int v = valueOf(card);
    if (pointsOf(v, card.ToolTipText) != 0) {
      return true;
    }
  }
  return false;
}

bool tableHoldsQueenOrKing(const Game& g) {
  for (int j = 1; j <= g.p2.TableCount2; ++j) {
    if (g.p2.TableValue2(j) >= kQueen) {
      return true;
    }
  }
  return false;
}

// Collects the hand cards whose value player 1 does not hold.
void collectSafeCards(Game& g) {
  Player2Scratch& p2 = g.p2;
  p2.SafeCount = 0;
  for (int i = 1; i <= p2.HandCount2; ++i) {
    const int v = p2.HandValue2(i);
    p2.RankHeld1 = false;
    for (int j = 1; j <= p2.HandCount1; ++j) {
      if (p2.HandValue1(j) == v) {
        p2.RankHeld1 = true;
        break;
      }
    }
    if (!p2.RankHeld1) {
      p2.SafeCount += 1;
      p2.SafeValue(p2.SafeCount) = v;
      p2.SafeSlot(p2.SafeCount) = p2.HandSlot2(i);
    }
  }
}

int lowestSafeSlot(const Player2Scratch& p2) {
  int best = 1;
  for (int i = 2; i <= p2.SafeCount; ++i) {
    if (p2.SafeValue(i) < p2.SafeValue(best)) {
      best = i;
    }
  }
  return p2.SafeSlot(best);
}

}  // namespace

int ChooseLowDiscard(Game& g) {
  Player2Scratch& p2 = g.p2;
  int r = p2.HandSlot2(1);
  takeIntoSwap(g, r);
  for (int i = 1; i <= p2.HandCount2; ++i) {
    const CardSlot& card = g.Player2(p2.HandSlot2(i));
    const int a = valueOf(card);
    if (!isLowerCandidate(a, valueOf(g.img_swap))) {
      continue;
    }
    p2.TrialValue = a;
    // The marked two or ten is held back: the card before it goes instead.
    const bool holdBack = i > 1 && p2.HandCount2 > 1 && isMarkedPointCard(a, card.ToolTipText);
    r = p2.HandSlot2(holdBack ? i - 1 : i);
    takeIntoSwap(g, r);
  }
  RevealHandCard(g, r);
  return r;
}

int ChooseSafeDiscard(Game& g) {
  collectSafeCards(g);
  int r = 0;
  if (g.p2.SafeCount == 0) {
    r = ChooseLowDiscard(g);
  } else {
    r = g.SkillLevel == 2 ? g.p2.SafeSlot(1) : lowestSafeSlot(g.p2);
    RevealHandCard(g, r);
  }
  if (valueOf(g.Player2(r)) == kJack) {
    PlayJackOnEmptySound(g);
  }
  return r;
}

void NoCaptureLevel1(Game& g) { playHandPosition(g, 1); }

void NoCaptureLevel2(Game& g) {
  const int count = g.p2.HandCount2;
  if (count == 1) {
    playHandPosition(g, 1);
  } else if (count == 2 || (count >= 5 && count <= 10)) {
    playOrFallBack(g, firstJack(g));
  } else if (count == 3 || count == 4) {
    playOrFallBack(g, firstHandPosition(g, [](int v) { return v >= 5; }));
  } else {
    FallbackDiscard(g);
  }
}

void NoCaptureLevel3(Game& g) {
  const int count = g.p2.HandCount2;
  if (count == 1) {
    playHandPosition(g, 1);
  } else if (count == 2 || (count >= 5 && count <= 10)) {
    playOrFallBack(g, firstJack(g));
  } else if (count == 3 || count == 4) {
    // A Jack is spent on a short hand only when the table holds points.
    playOrFallBack(g, tableHoldsPointCard(g) ? firstJack(g) : 0);
  } else {
    FallbackDiscard(g);
  }
}

void FallbackDiscard(Game& g) {
  if (g.SkillLevel != 2 && tableHoldsQueenOrKing(g)) {
    playHandPosition(g, 1);
    return;
  }
  const int high = firstHandPosition(g, [](int v) { return v >= kQueen; });
  if (high != 0) {
    playHandPosition(g, high);
  } else if (g.SkillLevel == 2) {
    playHandPosition(g, 1);
  } else {
    LookAheadDiscard(g);
  }
}

}  // namespace qorza

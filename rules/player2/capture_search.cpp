// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/player2/capture_search.h"

#include <array>
#include <cstddef>

#include "game/game_state.h"
#include "rules/player2/computer_turn.h"

namespace qorza {

namespace {

// Records snapshot card j as taken by hand position k in record: listed,
// counted, its value kept in TakenValue2 and zeroed, hidden on the copy.
void recordTake(Game& g, CaptureRecord& record, int k, int j) {
  Player2Scratch& p2 = g.p2;
  record.Found = true;
  record.Count += 1;
  record.Slot(record.Count) = p2.TableSlot2(j);
  p2.TakeCount(k) += 1;
  p2.TakenValue2(j) = p2.TableValue2(j);
  p2.TableValue2(j) = 0;
  g.game1(p2.TableSlot2(j)).Visible = false;
}

// Snapshot positions of one candidate set, in ascending order.
struct SetUnderTrial {
  std::array<int, 4> at{};
  int size = 0;
};

// A matching set may hold a card this trial already took (it counts 0); only
// its live members are recorded, so no card is taken or banked twice.
void recordSet(Game& g, CaptureRecord& record, int k, const SetUnderTrial& set) {
  for (int i = 0; i < set.size; ++i) {
    const int j = set.at[static_cast<std::size_t>(i)];
    if (g.p2.TableValue2(j) != 0) {
      recordTake(g, record, k, j);
    }
  }
}

int currentSum(const Game& g, const SetUnderTrial& set) {
  int sum = 0;
  for (int i = 0; i < set.size; ++i) {
    sum += g.p2.TableValue2(set.at[static_cast<std::size_t>(i)]);
  }
  return sum;
}

// Visits every set of `wanted` snapshot positions in lexicographic order,
// extending `set` (whose current values add up to sum), and records each one
// whose current values add up to TrialValue. Values are never negative and
// only drop (to 0) when a set is recorded, so a partial set already past
// TrialValue can complete no match: it is skipped. Returns whether a set was
// recorded, after which the partial set's sum is read again.
bool visitSets(Game& g, CaptureRecord& record, int k, SetUnderTrial& set, int wanted, int from,
               int sum) {
  const Player2Scratch& p2 = g.p2;
  bool recorded = false;
  for (int j = from; j <= p2.TableCount2; ++j) {
    const int with = sum + p2.TableValue2(j);
    if (with > p2.TrialValue) {
      continue;
    }
    set.at[static_cast<std::size_t>(set.size)] = j;
    set.size += 1;
    bool took = false;
    if (set.size == wanted) {
      took = with == p2.TrialValue;
      if (took) {
        recordSet(g, record, k, set);
      }
    } else {
      took = visitSets(g, record, k, set, wanted, j + 1, with);
    }
    set.size -= 1;
    if (took) {
      recorded = true;
      sum = currentSum(g, set);
    }
  }
  return recorded;
}

void trySums(Game& g, CaptureRecord& record, int k, int wanted) {
  SetUnderTrial set;
  visitSets(g, record, k, set, wanted, 1, 0);
}

int cardsLeftOnCopy(const Game& g) {
  int left = 0;
  for (int j = 1; j <= g.p2.TableCount2; ++j) {
    if (g.game1(g.p2.TableSlot2(j)).Visible) {
      ++left;
    }
  }
  return left;
}

void tryAllRules(Game& g, int k) {
  const int v = g.p2.TrialValue;
  TryEqualCard(g, k);
  if (v >= 3 && v <= 10) {
    TryPairs(g, k);
  }
  if (v >= 6 && v <= 10) {
    TryTriples(g, k);
  }
  if (v == 10) {
    TryQuads(g, k);
  }
}

}  // namespace

void EvaluateCaptures(Game& g) {
  Player2Scratch& p2 = g.p2;
  // Every trial starts from the real table. The copy already holds its faces
  // and a trial only hides cards of it and zeroes their values: both are put
  // back from the snapshot taken here.
  ResetTableCopy(g);
  const SlotArray<int, 0, 10> tableValues = p2.TableValue2;
  for (int k = 1; k <= p2.HandCount2; ++k) {
    p2.TableValue2 = tableValues;
    for (int i = 1; i <= 10; ++i) {
      g.game1(i).Visible = g.game(i).Visible;
    }
    p2.TrialValue = valueOf(g.Player2(p2.HandSlot2(k)));
    tryAllRules(g, k);
    p2.TrialLeft = cardsLeftOnCopy(g);
    p2.SweepFound = false;
    p2.SweepCard = 0;
    if (p2.TrialLeft == 0) {
      p2.MakesQorza(k) = true;
      p2.SweepFound = true;
      p2.SweepCard = k;
      return;  // later hand cards are not tried
    }
  }
}

void TryEqualCard(Game& g, int k) {
  for (int j = 1; j <= g.p2.TableCount2; ++j) {
    if (g.p2.TableValue2(j) == g.p2.TrialValue) {
      recordTake(g, g.p2.TakeEqual(k), k, j);
      return;
    }
  }
}

void TryPairs(Game& g, int k) { trySums(g, g.p2.TakePairs(k), k, 2); }
void TryTriples(Game& g, int k) { trySums(g, g.p2.TakeTriples(k), k, 3); }
void TryQuads(Game& g, int k) { trySums(g, g.p2.TakeQuads(k), k, 4); }

int ChooseBestCapture(Game& g) {
  int best = 0;
  int chosen = 1;
  for (int k = 1; k <= g.p2.HandCount2; ++k) {
    if (g.p2.TakeCount(k) >= best) {
      best = g.p2.TakeCount(k);
      chosen = k;
    }
  }
  return chosen;
}

}  // namespace qorza

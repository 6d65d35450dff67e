// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/player1/capture_steps.h"

#include <array>
#include <cstddef>

#include "game/game_state.h"
#include "game/numbers.h"
#include "rules/player1/point_cards.h"

namespace qorza {

namespace {

// Snapshot positions of the cards of one sum, in index order.
template <std::size_t N>
using Combination = std::array<int, N>;

int slotAt(const Game& g, int i) { return g.p1.TableSlot(i); }

// A card taken earlier in this play has lost its rank.
bool takenThisPlay(const Game& g, int i) { return g.game(slotAt(g, i)).Tag.empty(); }

template <std::size_t N>
int currentSum(const Game& g, const Combination<N>& c) {
  int sum = 0;
  for (int i : c) {
    sum += valueOf(g.game(slotAt(g, i)));
  }
  return sum;
}

// Takes the cards of a matching sum: hides them, counts them, scores them,
// then empties their rank, each in index order. A member already taken in
// this play is left alone, so no card is counted or scored twice.
template <std::size_t N>
void takeSum(Game& g, const Combination<N>& c) {
  g.p1.SumTaken = true;
  int live = 0;
  for (int i : c) {
    if (!takenThisPlay(g, i)) {
      g.game(slotAt(g, i)).Visible = false;
      ++live;
    }
  }
  g.TXT_CARD(1).Text = addToCounter(g.TXT_CARD(1).Text, live);
  std::array<bool, N> scored{};
  for (std::size_t m = 0; m < N; ++m) {
    scored[m] = !takenThisPlay(g, c[m]);
    if (scored[m]) {
      ScoreTableCard(g, slotAt(g, c[m]));
    }
  }
  for (std::size_t m = 0; m < N; ++m) {
    if (scored[m]) {
      g.game(slotAt(g, c[m])).Tag.clear();
    }
  }
}

template <std::size_t N>
void takeIfSum(Game& g, const Combination<N>& c) {
  if (currentSum(g, c) == g.p1.PlayedValue) {
    takeSum(g, c);
  }
}

}  // namespace

void TakeEqualCard(Game& g) {
  for (int i = 1; i <= g.p1.TableCount; ++i) {
    if (g.p1.TableValue(i) != g.p1.PlayedValue) {
      continue;
    }
    const int s = slotAt(g, i);
    g.game(s).Visible = false;
    ScoreTableCard(g, s);
    g.game(s).Tag.clear();
    g.TXT_CARD(1).Text = addToCounter(g.TXT_CARD(1).Text, 1);
    g.p1.EqualTaken = true;
    return;
  }
}

void TakeSums(Game& g) {
  const int n = g.p1.TableCount;
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      takeIfSum<2>(g, {i, j});
    }
  }
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      for (int k = j + 1; k <= n; ++k) {
        takeIfSum<3>(g, {i, j, k});
      }
    }
  }
}

void TakeFourSum(Game& g) {
  const int n = g.p1.TableCount;
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      for (int k = j + 1; k <= n; ++k) {
        for (int l = k + 1; l <= n; ++l) {
          takeIfSum<4>(g, {i, j, k, l});
        }
      }
    }
  }
}

void TakeAllWithJack(Game& g) {
  for (int i = 1; i <= g.p1.TableCount; ++i) {
    g.game(slotAt(g, i)).Visible = false;
  }
  g.TXT_CARD(1).Text = addToCounter(g.TXT_CARD(1).Text, g.p1.TableCount);
}

}  // namespace qorza

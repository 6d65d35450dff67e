// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/expert/search.h"

#include <algorithm>
#include <limits>

#include "rules/expert/play_out.h"

namespace qorza::expert {

namespace {

using compact::CardId;
using compact::Position;

// Winning or losing the match outweighs any deal's margin.
constexpr int kMatchHalves = 400;

// A small fast generator; the same seed gives the same deals everywhere.
struct SplitMix {
  std::uint64_t state;
  std::uint64_t next() {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
};

// Puts the unseen cards (in the order given) into the other hand's slots
// and then into the stock still to be dealt.
Position dealUnseen(const Observation& o, const std::array<CardId, compact::kDeckCards>& cards,
                    int count) {
  Position p = o.position;
  int next = 0;
  auto draw = [&]() -> CardId {
    if (count == 0) return 1;
    return cards[static_cast<std::size_t>(next++ % count)];
  };
  auto& other = p.hands[static_cast<std::size_t>(1 - o.me())];
  for (int s = 0; s < compact::kHandSlots; ++s) {
    if (o.otherHolds[static_cast<std::size_t>(s)]) other[static_cast<std::size_t>(s)] = draw();
  }
  for (int i = p.dealtCount; i < p.deckSize && i < compact::kDeckCards; ++i) {
    p.stock[static_cast<std::size_t>(i)] = draw();
  }
  return p;
}

// Minimax over the rest of the deal, every card known; alpha-beta bounds in
// halves for the seat.
int solve(const Position& p, const Observation& o, int alpha, int beta) {
  if (p.dealOver()) {
    return resultFor(p, o);
  }
  const int mover = p.toMove();
  const auto& hand = p.hands[static_cast<std::size_t>(mover)];
  const bool maximise = mover == o.me();
  int best = maximise ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
  bool any = false;
  for (int s = 0; s < compact::kHandSlots; ++s) {
    const CardId id = hand[static_cast<std::size_t>(s)];
    if (id == 0) continue;
    // Two cards that differ only in suit and score alike play alike.
    bool twin = false;
    for (int t = 0; t < s; ++t) {
      const CardId other = hand[static_cast<std::size_t>(t)];
      twin = twin || (other != 0 && compact::rankOf(other) == compact::rankOf(id) &&
                      compact::pointsOfCard(other) == compact::pointsOfCard(id));
    }
    if (twin) continue;
    any = true;
    Position child = p;
    playFor(child, mover, s);
    const int value = solve(child, o, alpha, beta);
    if (maximise) {
      best = std::max(best, value);
      alpha = std::max(alpha, value);
    } else {
      best = std::min(best, value);
      beta = std::min(beta, value);
    }
    if (alpha >= beta) break;
  }
  return any ? best : resultFor(p, o);
}

Choice solveExactly(const Observation& o) {
  std::array<CardId, compact::kDeckCards> cards = o.unseen;
  const Position start = dealUnseen(o, cards, o.unseenCount);
  Choice c;
  c.exact = true;
  int best = std::numeric_limits<int>::min();
  const auto& hand = start.hands[static_cast<std::size_t>(o.me())];
  for (int s = 0; s < compact::kHandSlots; ++s) {
    if (hand[static_cast<std::size_t>(s)] == 0) continue;
    Position child = start;
    playFor(child, o.me(), s);
    const int value =
        solve(child, o, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    c.mean[static_cast<std::size_t>(s)] = value;
    if (value > best) {
      best = value;
      c.slot = s;
    }
  }
  return c;
}

}  // namespace

int resultFor(const Position& p, const Observation& o) {
  const int me = o.me();
  int result = compact::dealMarginHalves(p, me);
  std::array<int, 2> total{};
  for (std::size_t i = 0; i < 2; ++i) {
    total[i] = 2 * o.scores[i] + p.qorzaHalves[i] + 2 * p.points[i];
  }
  if (p.cards[0] > p.cards[1]) total[0] += 6;
  if (p.cards[1] > p.cards[0]) total[1] += 6;
  if (total[0] > 2 * o.target || total[1] > 2 * o.target) {
    const bool player1Wins = total[0] >= total[1];  // player 1 wins a tie
    result += (player1Wins == (me == 0)) ? kMatchHalves : -kMatchHalves;
  }
  return result;
}

Choice choose(const Observation& o, const Budget& budget, std::uint64_t seed) {
  const int me = o.me();
  const auto& hand = o.position.hands[static_cast<std::size_t>(me)];
  int candidates = 0;
  Choice c;
  for (int s = 0; s < compact::kHandSlots; ++s) {
    if (hand[static_cast<std::size_t>(s)] != 0) {
      ++candidates;
      if (c.slot < 0) c.slot = s;
    }
  }
  if (candidates <= 1) {
    return c;
  }
  if (o.stockLeft() <= 0 && o.unseenCount == o.otherCount()) {
    return solveExactly(o);
  }
  SplitMix rng{seed};
  std::array<long long, compact::kHandSlots> sum{};
  std::array<CardId, compact::kDeckCards> cards = o.unseen;
  const int samples = std::max(1, budget.samples);
  for (int n = 0; n < samples; ++n) {
    for (int i = o.unseenCount - 1; i > 0; --i) {
      std::swap(cards[static_cast<std::size_t>(i)],
                cards[static_cast<std::size_t>(rng.below(i + 1))]);
    }
    const Position dealt = dealUnseen(o, cards, o.unseenCount);
    for (int s = 0; s < compact::kHandSlots; ++s) {
      if (hand[static_cast<std::size_t>(s)] == 0) continue;
      Position trial = dealt;
      playFor(trial, me, s);
      playOut(trial);
      sum[static_cast<std::size_t>(s)] += resultFor(trial, o);
    }
  }
  double best = -std::numeric_limits<double>::infinity();
  for (int s = 0; s < compact::kHandSlots; ++s) {
    if (hand[static_cast<std::size_t>(s)] == 0) continue;
    const double mean = static_cast<double>(sum[static_cast<std::size_t>(s)]) / samples;
    c.mean[static_cast<std::size_t>(s)] = mean;
    if (mean > best) {
      best = mean;
      c.slot = s;
    }
  }
  return c;
}

}  // namespace qorza::expert

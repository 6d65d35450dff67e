// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/expert/play_out.h"

#include <limits>

#include "game/card_values.h"

namespace qorza::expert {

namespace {

using compact::CardId;
using compact::Position;

// A Jack kept in hand is worth this much (in halves of a point): it takes
// any table later, so it is spent only on a table worth more.
constexpr int kJackReserve = 5;

void playerPlays(Position& p, int player, int slot) {
  if (player == 0) {
    compact::playPlayer1(p, slot);
  } else {
    compact::playPlayer2(p, slot);
  }
}

// What a play won for `player`, in halves of a point: Qorza worth, points,
// and half a point a card (the larger heap earns 3 at the end).
int gainOf(const Position& before, const Position& after, int player) {
  const auto m = static_cast<std::size_t>(player);
  return after.qorzaHalves[m] - before.qorzaHalves[m] + 2 * (after.points[m] - before.points[m]) +
         (after.cards[m] - before.cards[m]);
}

// The most the other side could win at once from this table: the best
// answer of its hand, if it holds any card. Only small tables are tried: a
// Qorza off five cards or more is rare, and the trials cost time.
int exposure(const Position& p, int other) {
  if (p.tableCount() > 4 || p.handCount(other) == 0) {
    return 0;
  }
  int worst = 0;
  const auto& hand = p.hands[static_cast<std::size_t>(other)];
  for (int s = 0; s < compact::kHandSlots; ++s) {
    if (hand[static_cast<std::size_t>(s)] == 0 ||
        compact::rankOf(hand[static_cast<std::size_t>(s)]) == kJack) {
      continue;
    }
    Position trial = p;
    playerPlays(trial, other, s);
    const int won = gainOf(p, trial, other);
    worst = won > worst ? won : worst;
  }
  return worst;
}

}  // namespace

int quickSlot(const Position& p) {
  const int me = p.toMove();
  const int other = 1 - me;
  const auto& hand = p.hands[static_cast<std::size_t>(me)];
  int best = -1;
  int bestScore = std::numeric_limits<int>::min();
  for (int s = 0; s < compact::kHandSlots; ++s) {
    const CardId id = hand[static_cast<std::size_t>(s)];
    if (id == 0) {
      continue;
    }
    Position after = p;
    playerPlays(after, me, s);
    int score = gainOf(p, after, me);
    const bool took =
        after.cards[static_cast<std::size_t>(me)] != p.cards[static_cast<std::size_t>(me)];
    if (compact::rankOf(id) == kJack) {
      score -= kJackReserve + 2;  // its own point comes whenever it is played
    }
    if (!took) {
      // A laid card: what it offers the other side, and its own worth.
      score -= exposure(after, other) + 2 * compact::pointsOfCard(id) + compact::rankOf(id) / 4;
    }
    if (score > bestScore) {
      bestScore = score;
      best = s;
    }
  }
  return best;
}

void playFor(Position& p, int player, int slot) {
  playerPlays(p, player, slot);
  if (player == 1) {
    compact::dealNextHands(p);
  }
}

void playOut(Position& p) {
  while (!p.dealOver()) {
    const int slot = quickSlot(p);
    if (slot < 0) {
      return;  // hands out of step: nothing sensible left to play
    }
    playFor(p, p.toMove(), slot);
  }
}

}  // namespace qorza::expert

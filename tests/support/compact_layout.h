// SPDX-License-Identifier: GPL-3.0-or-later
// Random deals in the compact form, and the same deal laid out in a game's
// slots, for the tests that hold the compact rules and the expert to the
// slot model.
#pragma once

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "game/card_library.h"
#include "game/game_state.h"
#include "rules/compact/position.h"

namespace qorza::testing {

// A position somewhere in a deal: distinct cards of the variant's deck, any
// table of 0 to 10 cards in any slots, hands of 1 to HandSize cards each (as
// many, or player 1 one fewer: player 2 to move), the rest in the stock.
inline compact::Position randomPosition(std::mt19937_64& rng) {
  static constexpr int kVariants[3][2] = {{52, 6}, {52, 4}, {44, 4}};
  const auto& v = kVariants[rng() % 3];
  compact::Position p;
  p.deckSize = v[0];
  p.handSize = v[1];
  std::vector<int> deck(static_cast<std::size_t>(p.deckSize));
  std::iota(deck.begin(), deck.end(), 1);
  std::shuffle(deck.begin(), deck.end(), rng);
  std::size_t next = 0;
  // Small tables are the common case, a full one happens too.
  const int tableCards = static_cast<int>(rng() % 4 == 0 ? rng() % 11 : rng() % 6);
  std::vector<int> slots(compact::kTableSlots);
  std::iota(slots.begin(), slots.end(), 0);
  std::shuffle(slots.begin(), slots.end(), rng);
  for (int i = 0; i < tableCards; ++i) {
    p.table[static_cast<std::size_t>(slots[static_cast<std::size_t>(i)])] =
        static_cast<compact::CardId>(deck[next++]);
  }
  const int hand2 = 1 + static_cast<int>(rng() % static_cast<unsigned>(p.handSize));
  const int hand1 = hand2 - static_cast<int>(rng() % 2);
  for (int player = 0; player < 2; ++player) {
    std::vector<int> at(static_cast<std::size_t>(p.handSize));
    std::iota(at.begin(), at.end(), 0);
    std::shuffle(at.begin(), at.end(), rng);
    for (int i = 0; i < (player == 0 ? hand1 : hand2); ++i) {
      p.hands[static_cast<std::size_t>(player)]
             [static_cast<std::size_t>(at[static_cast<std::size_t>(i)])] =
          static_cast<compact::CardId>(deck[next++]);
    }
  }
  // The stock in dealing order: the cards in play were dealt before the
  // rest, so what is still to deal is none of them.
  std::vector<int> dealtCounts;
  for (int d = 4 + 2 * p.handSize; d <= p.deckSize; d += 2 * p.handSize) {
    if (d >= static_cast<int>(next)) dealtCounts.push_back(d);
  }
  p.dealtCount = dealtCounts[rng() % dealtCounts.size()];
  for (int i = 0; i < p.deckSize; ++i) {
    p.stock[static_cast<std::size_t>(i)] =
        static_cast<compact::CardId>(deck[static_cast<std::size_t>(i)]);
  }
  for (int player = 0; player < 2; ++player) {
    p.cards[static_cast<std::size_t>(player)] = static_cast<int>(rng() % 20);
    p.points[static_cast<std::size_t>(player)] = static_cast<int>(rng() % 5);
    p.qorzaHalves[static_cast<std::size_t>(player)] = static_cast<int>(rng() % 60);
  }
  return p;
}

// Lays the position out in the game's slots, counters and stock.
inline void layOut(Game& g, const compact::Position& p) {
  auto put = [](CardSlot& slot, compact::CardId id) {
    slot = id != 0 ? libraryCard(id) : CardSlot{};
    slot.Visible = id != 0;
  };
  g.DeckSize = p.deckSize;
  g.HandSize = p.handSize;
  g.DealtCount = p.dealtCount;
  for (int i = 1; i <= compact::kTableSlots; ++i) {
    put(g.game(i), p.table[static_cast<std::size_t>(i - 1)]);
  }
  for (int i = 1; i <= compact::kHandSlots; ++i) {
    const compact::CardId one = i <= p.handSize ? p.hands[0][static_cast<std::size_t>(i - 1)] : 0;
    const compact::CardId two = i <= p.handSize ? p.hands[1][static_cast<std::size_t>(i - 1)] : 0;
    put(g.Player1(i), one);
    put(g.Player02(i), two);
    put(g.Player2(i), two);
    g.Player2(i).Picture = kDeckBack;
  }
  for (int i = 1; i <= compact::kDeckCards; ++i) {
    put(g.card(i), i <= p.deckSize ? p.stock[static_cast<std::size_t>(i - 1)] : 0);
  }
  for (int player = 1; player <= 2; ++player) {
    const auto at = static_cast<std::size_t>(player - 1);
    g.TXT_CARD(player).Text = std::to_string(p.cards[at]);
    g.TXT_POINT(player).Text = std::to_string(p.points[at]);
    g.txt_qorza(player).Text =
        std::to_string(p.qorzaHalves[at] / 2) + (p.qorzaHalves[at] % 2 != 0 ? ".5" : "");
  }
  g.CardImgNext1 = g.CardImgNext2 = 1;
  g.QorzaImgNext1 = g.QorzaImgNext2 = 1;
}

}  // namespace qorza::testing

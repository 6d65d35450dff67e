// SPDX-License-Identifier: GPL-3.0-or-later
// What one seat at the table sees: its own hand, the table, both players'
// counters, how many cards the other holds and the stock keeps, the variant,
// the scores and the target, and which cards it has not seen this deal. A
// player that chooses from an observation cannot name the other's cards.
#pragma once

#include <array>
#include <cstdint>

#include "rules/compact/position.h"

namespace qorza {
struct Game;
}

namespace qorza::expert {

struct Observation {
  int seat = 2;  // 1 or 2: whose eyes
  // The public position with the seat's own hand; the other hand and the
  // stock hold no card.
  compact::Position position;
  std::array<bool, compact::kHandSlots> otherHolds{};  // which of the other's slots show a back
  // The cards not seen this deal, in library order: the other's hand and the
  // stock together. Every other card of the deck has been on the table or in
  // the seat's own hand, so a player who remembers each card it saw played
  // or taken knows exactly this set.
  std::array<compact::CardId, compact::kDeckCards> unseen{};
  int unseenCount = 0;
  std::array<int, 2> scores{};  // the match so far, player 1 then player 2
  int target = 101;

  int me() const { return seat - 1; }
  int otherCount() const;
  int stockLeft() const { return position.deckSize - position.dealtCount; }
};

// The observation of `seat` (1 or 2) in game.
Observation observe(const Game& game, int seat);

// A number that differs for different observations: the search's default
// seed, so that one position always gets the same play.
std::uint64_t fingerprint(const Observation& observation);

}  // namespace qorza::expert

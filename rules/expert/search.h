// SPDX-License-Identifier: GPL-3.0-or-later
// The expert's choice: while the stock still holds cards it deals the unseen
// cards out many times at random, plays every candidate card out to the end
// of the deal on each deal so dealt, and keeps the card with the best mean
// result; once the stock is used up the unseen cards are exactly the other
// hand, and the rest of the deal is searched exactly.
#pragma once

#include <array>
#include <cstdint>

#include "rules/expert/observation.h"

namespace qorza::expert {

struct Budget {
  int samples = 64;  // random deals of the unseen cards per decision
};

// The budget the game and the tools play with.
inline constexpr Budget kGameBudget{};

struct Choice {
  int slot = -1;  // 0-based hand slot of the seat's card; -1 with no card
  // The mean result of each hand slot's card, in halves of a point for the
  // seat (deal margin, with the match's end in view).
  std::array<double, compact::kHandSlots> mean{};
  bool exact = false;  // the rest of the deal was searched exactly
};

// The same observation, budget and seed always give the same choice.
Choice choose(const Observation& observation, const Budget& budget, std::uint64_t seed);

// The result of a finished deal for `me`, in halves of a point: the deal's
// margin, and a large share more or less when it ends the match.
int resultFor(const compact::Position& finished, const Observation& observation);

}  // namespace qorza::expert

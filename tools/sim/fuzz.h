// SPDX-License-Identifier: GPL-3.0-or-later
// Random legal states for the simulator's fuzz mode: a deal caught at some
// hand, cards spread over the table (0 to 10, gaps allowed), both hands (1 to
// 6 cards), the players' heaps and the stock, with any counters around them.
// A state is written as qorza-play lines, so a failing one replays as is.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "tools/sim/self_play.h"

namespace qorza::sim {

struct FuzzCase {
  Pairing pairing;
  std::vector<std::string> lines;
};

FuzzCase randomState(std::mt19937_64& rng);

}  // namespace qorza::sim

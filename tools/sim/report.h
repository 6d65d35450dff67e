// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's results: one row per pairing as a text table or JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "tools/sim/self_play.h"

namespace qorza::sim {

struct PairingResult {
  Pairing pairing;
  Tally tally;
};

// A 95% Wilson interval for wins out of games, as fractions.
struct Interval {
  double low;
  double high;
};
Interval wilson95(long wins, long games);

void printTable(std::ostream& out, const std::vector<PairingResult>& results, bool byMatch);
nlohmann::ordered_json resultsJson(const std::vector<PairingResult>& results, bool byMatch);

}  // namespace qorza::sim

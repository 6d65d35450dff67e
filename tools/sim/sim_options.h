// SPDX-License-Identifier: GPL-3.0-or-later
// qorza-sim's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/sim/self_play.h"

namespace qorza::sim {

struct SimOptions {
  long deals = 1000;  // per pairing
  long matches = 0;   // per pairing; when set, whole matches instead of deals
  std::uint64_t seed = 1;
  std::vector<Pairing> pairings;
  std::string target = "101";
  bool json = false;
  long fuzz = 0;  // random states, each played to the end of its deal
  bool bench = false;
  std::optional<std::uint64_t> expectSignature;
  bool progress = true;
  // The expert against this level in duplicate (each match's seed played
  // with the expert in either seat); 0 for the ordinary pairings.
  int duplicateAgainst = 0;
};

extern const char* const kUsage;

// The options, or an error message for a bad command line.
struct ParsedOptions {
  SimOptions options;
  std::string error;
};
ParsedOptions parseSimOptions(const std::vector<std::string>& args);

// The fixed bench set: every variant, level and strategy, a few deals each.
SimOptions benchOptions();

}  // namespace qorza::sim

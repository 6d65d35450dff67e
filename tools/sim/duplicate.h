// SPDX-License-Identifier: GPL-3.0-or-later
// The expert against a computer level in duplicate: every match's deals are
// played twice, once with the expert as player 2 and once as player 1, so
// that the luck of the cards falls on both sides alike.
#pragma once

#include <ostream>

#include "tools/sim/sim_options.h"

namespace qorza::sim {

// One line per variant: matches won by the expert with a 95% confidence
// interval over the seeds, and the mean deal-score margin per deal with its
// interval. Returns the exit status.
int runDuplicate(const SimOptions& options, std::ostream& out, std::ostream& err);

}  // namespace qorza::sim

// SPDX-License-Identifier: GPL-3.0-or-later
// One run of qorza-sim: every pairing's deals or matches, the fuzz states,
// the progress bar, and the table, JSON or bench lines.
#pragma once

#include <ostream>

#include "tools/sim/sim_options.h"

namespace qorza::sim {

// Returns the exit status: 0, or 1 when an invariant broke or the bench
// signature differs from the expected one.
int runSim(const SimOptions& options, std::ostream& out, std::ostream& err);

}  // namespace qorza::sim

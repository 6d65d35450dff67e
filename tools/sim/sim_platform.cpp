// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/sim_platform.h"

namespace qorza::sim {

void SimPlatform::doEvents() {
  if (!trying && onEvents) {
    onEvents();
  }
}

void SimPlatform::showResults(Game& game) {
  HeadlessPlatform::showResults(game);
  if (!trying && onResults) {
    onResults(game);
  }
}

}  // namespace qorza::sim

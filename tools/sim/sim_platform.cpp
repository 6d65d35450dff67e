// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/sim_platform.h"

#include <chrono>

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

void SimPlatform::think(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  thinkMs.push_back(
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
}

}  // namespace qorza::sim

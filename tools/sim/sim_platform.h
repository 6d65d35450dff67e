// SPDX-License-Identifier: GPL-3.0-or-later
// The self-play desktop: the headless platform with two hooks, one where the
// window would repaint (a play has been made) and one where the results
// window shows (a deal has ended, its counters still on the table).
#pragma once

#include <functional>
#include <vector>

#include "tools/script/headless_platform.h"

namespace qorza::sim {

class SimPlatform : public script::HeadlessPlatform {
 public:
  SimPlatform() { recordSounds = false; }

  void doEvents() override;
  void showResults(Game& game) override;
  // Times each of the expert's decisions (milliseconds, in thinkMs).
  void think(const std::function<void()>& work) override;

  std::function<void()> onEvents;
  std::function<void(Game&)> onResults;
  // Set while a strategy tries plays on a copy of the game: no hook runs.
  bool trying = false;
  std::vector<double> thinkMs;
};

// Marks the platform as trying for the life of the guard.
class TrialGuard {
 public:
  explicit TrialGuard(SimPlatform& platform) : platform_(platform) { platform_.trying = true; }
  ~TrialGuard() { platform_.trying = false; }
  TrialGuard(const TrialGuard&) = delete;
  TrialGuard& operator=(const TrialGuard&) = delete;

 private:
  SimPlatform& platform_;
};

}  // namespace qorza::sim

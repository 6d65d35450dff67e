// SPDX-License-Identifier: GPL-3.0-or-later
// A progress bar on standard error for runs longer than a second.
#pragma once

#include <chrono>
#include <ostream>

namespace qorza::sim {

class ProgressBar {
 public:
  ProgressBar(std::ostream& err, long total, bool enabled);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void advance(long steps = 1);

 private:
  using Clock = std::chrono::steady_clock;
  std::ostream& err_;
  long total_;
  long done_ = 0;
  bool enabled_;
  bool drawn_ = false;
  Clock::time_point start_ = Clock::now();
  Clock::time_point lastDraw_ = start_;
};

}  // namespace qorza::sim

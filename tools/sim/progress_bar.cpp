// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/progress_bar.h"

#include <string>

namespace qorza::sim {

ProgressBar::ProgressBar(std::ostream& err, long total, bool enabled)
    : err_(err), total_(total > 0 ? total : 1), enabled_(enabled) {}

ProgressBar::~ProgressBar() {
  if (drawn_) {
    err_ << "\r" << std::string(60, ' ') << "\r" << std::flush;
  }
}

void ProgressBar::advance(long steps) {
  done_ += steps;
  const auto now = Clock::now();
  if (!enabled_ || now - start_ < std::chrono::seconds(1) ||
      now - lastDraw_ < std::chrono::milliseconds(200)) {
    return;
  }
  lastDraw_ = now;
  drawn_ = true;
  const long width = 30;
  const long filled = done_ * width / total_;
  err_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(width - filled), '.') << "] " << done_ * 100 / total_
       << "% " << done_ << "/" << total_ << std::flush;
}

}  // namespace qorza::sim

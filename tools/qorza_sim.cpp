// SPDX-License-Identifier: GPL-3.0-or-later
// qorza-sim: headless self-play of whole deals and matches with every
// invariant checked; strength tables, fuzzing and a regression signature.
#include <unistd.h>

#include <clocale>
#include <iostream>

#include "tools/sim/sim_options.h"
#include "tools/sim/sim_run.h"

int main(int argc, char** argv) {
  // The user's locale, as the game window adopts it.
  std::setlocale(LC_ALL, "");
  const std::vector<std::string> args(argv + 1, argv + argc);
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << qorza::sim::kUsage;
      return 0;
    }
  }
  auto parsed = qorza::sim::parseSimOptions(args);
  if (!parsed.error.empty()) {
    std::cerr << "qorza-sim: " << parsed.error << "\n" << qorza::sim::kUsage;
    return 2;
  }
  parsed.options.progress = parsed.options.progress && isatty(2);
  return qorza::sim::runSim(parsed.options, std::cout, std::cerr);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/random.h"

#include <chrono>
#include <locale>
#include <sstream>

namespace qorza {

void Random::randomize() {
  if (!fixed_) {
    engine_.seed(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  }
}

void Random::fixSeed(std::uint64_t seed) {
  engine_.seed(seed);
  fixed_ = true;
}

float Random::next() {
  // 24 random bits give every float of the form k / 2^24, never 1.
  return static_cast<float>(engine_() >> 40) * (1.0f / 16777216.0f);
}

std::string Random::state() const {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << engine_;
  return out.str();
}

bool Random::restore(std::string_view state, bool seedFixed) {
  std::istringstream in{std::string(state)};
  in.imbue(std::locale::classic());
  std::mt19937_64 engine;
  in >> engine;
  if (in.fail() || !(in >> std::ws).eof()) {
    return false;
  }
  engine_ = engine;
  fixed_ = seedFixed;
  return true;
}

}  // namespace qorza

#include "game/random.h"

#include <chrono>

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

}  // namespace qorza

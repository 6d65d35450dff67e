// SPDX-License-Identifier: GPL-3.0-or-later
// The game's random numbers: single-precision values in [0, 1), seeded from
// the clock unless a seed has been fixed for a test or a tool.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace qorza {

class Random {
 public:
  // Reseeds from the clock, unless a fixed seed was set.
  void randomize();
  // Fixes the sequence; later randomize() calls leave it alone.
  void fixSeed(std::uint64_t seed);
  bool seedIsFixed() const { return fixed_; }
  // The next value in [0, 1).
  float next();

  // The generator's whole state as text, so that a saved match draws on as
  // it would have. restore() takes such text and the fixed-seed flag; on
  // text that is no state it returns false and changes nothing.
  std::string state() const;
  bool restore(std::string_view state, bool seedFixed);

 private:
  std::mt19937_64 engine_{std::random_device{}()};
  bool fixed_ = false;
};

}  // namespace qorza

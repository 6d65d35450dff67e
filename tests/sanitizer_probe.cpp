// SPDX-License-Identifier: GPL-3.0-or-later
// Turns its argument, a number too large for an int, into an int: the
// sanitizer build must report the overflow and stop with its own status.
#include <cstdlib>

int main(int argc, char** argv) {
  const double value = argc > 1 ? std::strtod(argv[1], nullptr) : 0.0;
  const int whole = static_cast<int>(value);
  return whole == 0 ? 0 : 0;
}

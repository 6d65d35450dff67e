// SPDX-License-Identifier: GPL-3.0-or-later
// How the table's counters are read and written: they hold text, read by the
// leading-number rule and written back as plain decimal text. Both ways use
// "." before a fraction whatever the user's locale.
#pragma once

#include <string>
#include <string_view>

#include "game/short_decimal.h"

namespace qorza {

// Counters and scores stay within plus or minus this: a sum that would pass
// it is held at it, so no value ever wraps or leaves an int.
inline constexpr double kNumberLimit = 1e9;

// Leading blanks skipped, then an optional sign and the longest leading
// decimal number (digits with at most one "."); anything else reads 0. A
// number too large for a double reads as an infinity of its sign.
double numberOfText(std::string_view text);

// numberOfText, with the one- and two-digit counters read on the spot.
inline double numberOf(std::string_view text) {
  const int value = shortDecimal(text);
  return value >= 0 ? value : numberOfText(text);
}

// Plain decimal text: "12", "12.5", "-8"; no exponent.
std::string numeral(double value);

// value held within plus or minus kNumberLimit; not-a-number gives 0.
double withinLimit(double value);

// Nearest whole number, an exact half going to the even neighbour; a value
// past plus or minus 2^62 (or infinite) gives that bound, not-a-number 0.
long long roundHalfEven(double value);

// numberOf followed by roundHalfEven, for counters that hold whole numbers.
long long wholeNumberOf(std::string_view text);

// A score: value rounded half to even, held within the limit.
int scoreOf(double value);

// Adds n to the number a counter text holds and returns the new text, held
// within the limit.
std::string addToCounter(std::string_view text, double n);

}  // namespace qorza

// How the table's counters are read and written: they hold text, read by the
// leading-number rule and written back as plain decimal text.
#pragma once

#include <string>
#include <string_view>

namespace qorza {

// Leading blanks skipped, then an optional sign and the longest leading
// decimal number (digits with at most one "."); anything else reads 0.
double numberOf(std::string_view text);

// Plain decimal text: "12", "12.5", "-8"; no exponent for game-sized values.
std::string numeral(double value);

// Nearest whole number, an exact half going to the even neighbour.
long long roundHalfEven(double value);

// numberOf followed by roundHalfEven, for counters that hold whole numbers.
long long wholeNumberOf(std::string_view text);

// Adds n to the number a counter text holds and returns the new text.
std::string addToCounter(std::string_view text, double n);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

namespace qorza {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the leading decimal number at the start of text: digits with
// at most one "."; 0 when it holds no digit.
std::size_t leadingNumberLength(std::string_view text) {
  std::size_t i = 0;
  bool seenPoint = false;
  bool seenDigit = false;
  for (; i < text.size(); ++i) {
    if (isDigit(text[i])) {
      seenDigit = true;
    } else if (text[i] == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  return seenDigit ? i : 0;
}

// A number from_chars cannot hold: huge when a digit other than 0 comes
// before the point, else too small to tell from 0.
double outOfRange(std::string_view digits) {
  const std::string_view whole = digits.substr(0, digits.find('.'));
  const bool huge = whole.find_first_not_of('0') != std::string_view::npos;
  return huge ? std::numeric_limits<double>::infinity() : 0.0;
}

// Text of nothing but digits, the usual form of ranks and whole counters,
// read without the general parser; up to 15 digits every value is exact.
std::optional<double> plainDigits(std::string_view text) {
  if (text.empty() || text.size() > 15) {
    return std::nullopt;
  }
  long long value = 0;
  for (const char c : text) {
    if (!isDigit(c)) {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
  }
  return static_cast<double>(value);
}

}  // namespace

double numberOfText(std::string_view text) {
  if (const auto plain = plainDigits(text)) {
    return *plain;
  }
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) {
    return 0.0;
  }
  double sign = 1.0;
  if (text[i] == '-' || text[i] == '+') {
    sign = text[i++] == '-' ? -1.0 : 1.0;
  }
  const std::string_view digits = text.substr(i, leadingNumberLength(text.substr(i)));
  if (digits.empty()) {
    return 0.0;
  }
  double value = 0.0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                      std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) {
    value = outOfRange(digits);
  }
  return sign * value;
}

std::string numeral(double value) {
  if (value == 0.0) {
    return "0";  // also folds a negative zero
  }
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    return std::to_string(static_cast<long long>(value));  // the same digits, sooner
  }
  // Room for the widest double written without an exponent.
  char buffer[std::numeric_limits<double>::max_exponent10 + 32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (result.ec != std::errc()) {
    throw std::invalid_argument("no decimal text for a counter value");
  }
  return std::string(buffer, result.ptr);
}

double withinLimit(double value) {
  if (std::isnan(value)) {
    return 0.0;
  }
  return std::fmax(-kNumberLimit, std::fmin(kNumberLimit, value));
}

long long roundHalfEven(double value) {
  constexpr double bound = 4611686018427387904.0;  // 2^62, exact in a double
  if (std::isnan(value)) {
    return 0;
  }
  if (std::fabs(value) >= bound) {
    return static_cast<long long>(std::copysign(bound, value));
  }
  const double below = std::floor(value);
  const double fraction = value - below;
  auto whole = static_cast<long long>(below);
  if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) {
    ++whole;
  }
  return whole;
}

long long wholeNumberOf(std::string_view text) { return roundHalfEven(numberOf(text)); }

int scoreOf(double value) { return static_cast<int>(roundHalfEven(withinLimit(value))); }

std::string addToCounter(std::string_view text, double n) {
  return numeral(withinLimit(numberOf(text) + n));
}

}  // namespace qorza

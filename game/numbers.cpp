#include "game/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace qorza {

double numberOf(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
    ++i;
  }
  std::string number;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    number += text[i++];
  }
  bool seenPoint = false;
  bool seenDigit = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      number += c;
      seenDigit = true;
    } else if (c == '.' && !seenPoint) {
      number += c;
      seenPoint = true;
    } else {
      break;
    }
  }
  if (!seenDigit) {
    return 0.0;
  }
  return std::strtod(number.c_str(), nullptr);
}

std::string numeral(double value) {
  if (value == 0.0) {
    return "0";  // also folds a negative zero
  }
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<long long>(value));
  }
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

long long roundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  auto whole = static_cast<long long>(below);
  if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) {
    ++whole;
  }
  return whole;
}

long long wholeNumberOf(std::string_view text) { return roundHalfEven(numberOf(text)); }

std::string addToCounter(std::string_view text, double n) { return numeral(numberOf(text) + n); }

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// Ranks, deck entries and most counters are one or two digits: read on the
// spot before any general number reading.
#pragma once

#include <string_view>

namespace qorza {

// The value of text made of exactly one or two decimal digits; -1 otherwise.
inline int shortDecimal(std::string_view text) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (text.size() == 1 && digit(text[0])) {
    return text[0] - '0';
  }
  if (text.size() == 2 && digit(text[0]) && digit(text[1])) {
    return (text[0] - '0') * 10 + (text[1] - '0');
  }
  return -1;
}

}  // namespace qorza

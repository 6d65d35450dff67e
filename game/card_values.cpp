// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/card_values.h"

namespace qorza {

bool isMarkedTwo(int value, const std::string& mark) { return value == 2 && mark == "2"; }

bool isMarkedTen(int value, const std::string& mark) { return value == 10 && mark == "10"; }

bool isMarkedPointCard(int value, const std::string& mark) {
  return isMarkedTwo(value, mark) || isMarkedTen(value, mark);
}

int pointsOf(int value, const std::string& mark) {
  if (value == kAce || value == kJack) {
    return 1;
  }
  if (isMarkedTwo(value, mark)) {
    return 2;
  }
  if (isMarkedTen(value, mark)) {
    return 3;
  }
  return 0;
}

double qorzaWorthOf(int value) {
  switch (value) {
    case kJack:
      return 12.5;
    case kQueen:
      return 3;
    case kKing:
      return 4;
    default:
      return value;
  }
}

}  // namespace qorza

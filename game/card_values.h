// SPDX-License-Identifier: GPL-3.0-or-later
// What a card counts for: the named ranks, the marked two and ten, a card's
// points and its share of a Qorza. Both players and the scoring use these.
#pragma once

#include <string>

namespace qorza {

// Ranks as a card's Tag holds them; 2 to 10 are their own numbers.
inline constexpr int kAce = 1;
inline constexpr int kJack = 11;
inline constexpr int kQueen = 12;
inline constexpr int kKing = 13;

// The two of clubs and the ten of diamonds carry their rank as a mark.
bool isMarkedTwo(int value, const std::string& mark);
bool isMarkedTen(int value, const std::string& mark);
// Either of the two.
bool isMarkedPointCard(int value, const std::string& mark);

// Points of a card by value and mark: Ace 1, Jack 1, marked two 2,
// marked ten 3, any other card 0.
int pointsOf(int value, const std::string& mark);

// Worth of a card in a Qorza: a Jack 12.5, a Queen 3, a King 4, else its value.
double qorzaWorthOf(int value);

}  // namespace qorza

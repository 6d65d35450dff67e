// SPDX-License-Identifier: GPL-3.0-or-later
// What the game's values may be, declared once: the variants (deck and hand
// size), the levels, and the range of every value a dialog, a command or a
// file can hold. The saved match, the settings, the statistics, the dialogs
// and qorza-play all read these, so nothing is written that would be refused
// when read back.
#pragma once

#include <array>

namespace qorza {

struct Range {
  int lo;
  int hi;
  constexpr bool holds(long long value) const { return value >= lo && value <= hi; }
};

namespace bounds {

// A deck and the hand size it is dealt in.
struct Variant {
  int deckSize;
  int handSize;
};

// Normal Qorza with six or four cards a hand, Homsi Qorza (no Queens or
// Kings) with four.
inline constexpr std::array<Variant, 3> kVariants{{{52, 6}, {52, 4}, {44, 4}}};

constexpr bool isVariant(int deckSize, int handSize) {
  for (const Variant& v : kVariants) {
    if (v.deckSize == deckSize && v.handSize == handSize) {
      return true;
    }
  }
  return false;
}

// The computer's skill levels.
inline constexpr Range kLevel{1, 4};
// The expert: it chooses from what its seat sees, never from the other hand.
inline constexpr int kExpertLevel = 4;

// A player's name, in characters (UTF-16 code units, as the dialogs count).
inline constexpr int kMaxNameLength = 200;

// The pause of a moving card, in milliseconds.
inline constexpr Range kDelayMs{0, 3000};

// Deals played in one match; the deal counters stop at the top.
inline constexpr Range kDealCount{0, 100000};

}  // namespace bounds
}  // namespace qorza

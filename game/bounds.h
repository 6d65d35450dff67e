// SPDX-License-Identifier: GPL-3.0-or-later
// What the game's values may be, declared once: the variants (deck and hand
// size), the levels, and the range of every value a dialog, a command or a
// file can hold. The saved match, the settings, the statistics, the dialogs
// and qorza-play all read these, so nothing is written that would be refused
// when read back.
#pragma once

#include <array>
#include <string_view>

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

// The length of UTF-8 text in UTF-16 code units, as the dialogs count it: a
// character beyond the first 65,536 takes two; only a character's first
// byte counts.
constexpr long long utf16Length(std::string_view utf8) {
  long long units = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    units += (byte & 0xC0u) != 0x80u ? 1 : 0;  // a character's first byte
    units += byte >= 0xF0u ? 1 : 0;            // four bytes: two units
  }
  return units;
}

constexpr bool nameFits(std::string_view utf8) { return utf16Length(utf8) <= kMaxNameLength; }

// The pause of a moving card, in milliseconds.
inline constexpr Range kDelayMs{0, 3000};

// Deals played in one match; the deal counters stop at the top, and the
// results grid holds a row for each deal under its heading row.
inline constexpr Range kDealCount{0, 9999};

// The points that win a match, as the further options take them.
inline constexpr Range kWinningPoints{1, 999'999'999};

// The winning points as the game keeps them: plain decimal digits of a
// value within kWinningPoints, without a leading zero.
constexpr bool isWinningPointsText(std::string_view text) {
  if (text.empty() || text.size() > 9 || text.front() == '0') {
    return false;
  }
  for (const char c : text) {
    if (c < '0' || c > '9') {
      return false;
    }
  }
  return true;  // 1 .. 999,999,999
}
static_assert(kWinningPoints.lo == 1 && kWinningPoints.hi == 999'999'999);

// The next free place of a player's point-card strip (ten places; 11 when
// full) and of his Qorza display (six).
inline constexpr Range kStripNext{1, 11};
inline constexpr Range kQorzaDisplayNext{1, 6};

// Every count the statistics keep (matches, deals, Qorzas, streaks, hints,
// a best deal score); a count at the top stays there.
inline constexpr Range kStatisticsCount{0, 1'000'000'000};
// The sum of the deal scores: within what a JSON number holds exactly.
inline constexpr long long kMaxDealScoreTotal = 1'000'000'000'000'000;

}  // namespace bounds
}  // namespace qorza

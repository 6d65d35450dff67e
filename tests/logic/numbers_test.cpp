// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "game/card_library.h"

namespace qorza {
namespace {

TEST(CounterText, LeadingNumberRule) {
  EXPECT_EQ(numberOf(""), 0);
  EXPECT_EQ(numberOf("11"), 11);
  EXPECT_EQ(numberOf("12.5"), 12.5);
  EXPECT_EQ(numberOf("  42abc"), 42);
  EXPECT_EQ(numberOf("abc"), 0);
  EXPECT_EQ(numberOf("-8"), -8);
  EXPECT_EQ(numberOf("1.2.3"), 1.2);
  EXPECT_EQ(numberOf("."), 0);
  EXPECT_EQ(numberOf("007"), 7);
  EXPECT_EQ(numberOf("999999999999999"), 999999999999999.0);
  EXPECT_EQ(numberOf("99999999999999999999"), 1e20);
}

TEST(CounterText, RanksComeFromTagsByTheSameRule) {
  const auto rankOf = [](const char* tag) {
    CardSlot card;
    card.Tag = tag;
    return valueOf(card);
  };
  EXPECT_EQ(rankOf("7"), 7);
  EXPECT_EQ(rankOf("13"), 13);
  EXPECT_EQ(rankOf(""), 0);
  EXPECT_EQ(rankOf(" 5"), 5);
  EXPECT_EQ(rankOf("7x"), 7);
  EXPECT_EQ(rankOf("12.5"), 12);
  EXPECT_EQ(rankOf("-3"), -3);
  EXPECT_EQ(rankOf("123"), 123);
  EXPECT_EQ(rankOf("1a"), 1);
}

TEST(CounterText, WrittenAsPlainDecimal) {
  EXPECT_EQ(numeral(0), "0");
  EXPECT_EQ(numeral(25), "25");
  EXPECT_EQ(numeral(12.5), "12.5");
  EXPECT_EQ(numeral(-8), "-8");
  EXPECT_EQ(addToCounter("7", 3), "10");
  EXPECT_EQ(addToCounter("", 12.5), "12.5");
}

TEST(CounterText, HalvesRoundToEven) {
  EXPECT_EQ(roundHalfEven(12.5), 12);
  EXPECT_EQ(roundHalfEven(13.5), 14);
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(2.4999), 2);
  EXPECT_EQ(roundHalfEven(2.6), 3);
  EXPECT_EQ(wholeNumberOf("101"), 101);
}

// Under a comma-decimal locale (as the game window adopts the user's) a
// Jack's 12.5 still reads and writes with its point. The locale comes with
// the project's installer; a missing one fails here rather than passing
// unseen.
TEST(CounterText, ReadsAndWritesThePointUnderACommaLocale) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "run scripts/install-deps.sh";
  EXPECT_EQ(numberOf("12.5"), 12.5);
  EXPECT_EQ(numberOf("12,5"), 12);
  EXPECT_EQ(numeral(12.5), "12.5");
  EXPECT_EQ(addToCounter("12.5", 12.5), "25");
  std::setlocale(LC_ALL, before.c_str());
}

// Texts too long for any int or double, and sums past the limit: every
// value stays defined and within plus or minus a billion.
TEST(CounterText, HugeValuesStayDefinedAndWithinTheLimit) {
  const std::string huge = "1" + std::string(400, '0');
  EXPECT_EQ(numberOf(huge), HUGE_VAL);
  EXPECT_EQ(numberOf("-" + huge), -HUGE_VAL);
  EXPECT_EQ(numberOf("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(addToCounter(huge, 2), "1000000000");
  EXPECT_EQ(addToCounter("999999999", 12.5), "1000000000");
  EXPECT_EQ(addToCounter("-999999999", -3), "-1000000000");
  const std::string wide = numeral(1e300);
  EXPECT_EQ(wide.size(), 301u);
  EXPECT_EQ(wide.find_first_not_of("0123456789"), std::string::npos) << wide;
  EXPECT_EQ(roundHalfEven(1e20), 4611686018427387904LL);
  EXPECT_EQ(roundHalfEven(-HUGE_VAL), -4611686018427387904LL);
  EXPECT_EQ(roundHalfEven(NAN), 0);
  EXPECT_EQ(scoreOf(1e20), 1000000000);
  EXPECT_EQ(scoreOf(-1e20), -1000000000);
}

}  // namespace
}  // namespace qorza

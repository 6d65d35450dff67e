#include "game/numbers.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qorza

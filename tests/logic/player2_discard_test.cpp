// SPDX-License-Identifier: GPL-3.0-or-later
// What the computer gives up when it takes nothing, at each skill level.
#include <gtest/gtest.h>

#include "support/player2_test_table.h"

namespace qorza::testing::computer {
namespace {

using Discard = ComputerTable;

TEST_F(Discard, LevelOneLaysTheLowestCardOnAnEmptyTable) {
  table({});
  hand2({"7H", "3S", "9D"});
  play(1);
  EXPECT_EQ(tableShows(), (Cards{"3S"}));
  EXPECT_EQ(handShows(), (Cards{"7H", "9D"}));

  table({});
  hand2({"JS", "KH"});
  play(1);
  EXPECT_EQ(tableShows(), (Cards{"KH"}));

  table({});
  hand2({"3S", "7H", "2C"});  // the marked two is held back
  play(1);
  EXPECT_EQ(tableShows(), (Cards{"7H"}));
  EXPECT_TRUE(sounds().empty());
}

TEST_F(Discard, JackLaidOnAnEmptyTableSounds) {
  table({});
  hand2({"JS", "JH"});
  play(1);
  EXPECT_EQ(tableShows(), (Cards{"JS"}));
  EXPECT_EQ(sounds(), (Sounds{"BORN_MAN.wav"}));
  EXPECT_EQ(cardsTaken(), 0);

  table({});
  hand2({"JS", "5H"});
  hand1({"5C"});
  platform.sounds.clear();
  play(2);  // the Jack is the only value player 1 does not hold
  EXPECT_EQ(tableShows(), (Cards{"JS"}));
  EXPECT_EQ(sounds(), (Sounds{"BORN_MAN.wav"}));
}

TEST_F(Discard, SafeDiscardAvoidsValuesPlayerOneHolds) {
  table({});
  hand1({"4C", "9C"});
  hand2({"9H", "4S", "6D", "5D"});
  play(2);  // the first safe card
  EXPECT_EQ(tableShows(), (Cards{"6D"}));

  table({});
  hand1({"4C", "9C"});
  hand2({"9H", "8S", "6D", "5D"});
  play(3);  // the lowest safe card
  EXPECT_EQ(tableShows(), (Cards{"5D"}));

  table({});
  hand1({});
  hand2({"9H", "8S", "6D"});
  play(3);
  EXPECT_EQ(tableShows(), (Cards{"6D"}));

  table({});
  hand1({"KC"});
  hand2({"9H", "6S", "6D"});
  play(3);  // the first of equal lowest values
  EXPECT_EQ(tableShows(), (Cards{"6S"}));
}

TEST_F(Discard, SafeDiscardFallsBackToTheLowCard) {
  for (int level : {2, 3}) {
    table({});
    hand1({"7C", "3C", "9C"});
    hand2({"7H", "3S", "9D"});
    play(level);
    EXPECT_EQ(tableShows(), (Cards{"3S"})) << "level " << level;
  }
}

TEST_F(Discard, LevelOnePlaysPositionOne) {
  table({"KS"});
  hand2({"", "QH", "5D"});  // position 1 is the first card that shows
  play(1);
  EXPECT_EQ(tableShows(), (Cards{"KS", "QH"}));

  table({"KS", "9D"});
  hand2({"JH", "5D"});
  play(1);
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(cardsTaken(), 3);
  EXPECT_EQ(sounds(), (Sounds{"WIN_MAN.wav"}));
}

TEST_F(Discard, LevelTwoByHandSize) {
  table({"KS"});
  hand2({"2H", "7S", "3D"});
  play(2);  // three cards: the first of five or more
  EXPECT_EQ(tableShows(), (Cards{"KS", "7S"}));

  table({"KS"});
  hand2({"2H", "4S", "3D"});
  play(2);  // none: the first Queen or King, else position 1
  EXPECT_EQ(tableShows(), (Cards{"KS", "2H"}));

  table({"9S"});
  hand2({"2H", "QS"});
  play(2);  // two cards, no Jack: the Queen
  EXPECT_EQ(tableShows(), (Cards{"9S", "QS"}));

  table({"9S", "KH"});
  hand2({"5C", "JH"});
  play(2);  // two cards: the first Jack takes the table
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(sounds(), (Sounds{"WIN_MAN.wav"}));

  table({"9S"});
  hand2({"5C", "3H", "2H", "4D", "KD"});
  play(2);  // five cards, no Jack: the King
  EXPECT_EQ(tableShows(), (Cards{"9S", "KD"}));
}

// Whether a Jack is spent when nothing else takes: by the hand's length at
// levels 2 and 3, and at level 3 with a short hand by the points on the table,
// read wherever the table's cards lie (gaps between them, points past the
// first slots).
TEST_F(Discard, JackSpentByHandLengthAndTablePoints) {
  struct Case {
    int level;
    std::vector<std::string_view> table;
    std::vector<std::string_view> hand;
    Cards tableAfter;
  };
  const Case cases[] = {
      {2, {"9S"}, {"5C", "3H", "JH", "4D", "KD"}, {}},
      {2, {"", "9S", "", "8C"}, {"5C", "3H", "4D", "JH", "KD"}, {}},
      {2, {"9S"}, {"5C", "3H", "2H", "JH", "4D", "KD"}, {}},
      {3, {"", "9S"}, {"5C", "3H", "JH", "4D", "KD"}, {}},
      {3, {"", "", "9H", "AS"}, {"4C", "JD", "6H"}, {}},
      {3, {"8S", "", "", "2C"}, {"4C", "JD", "6H"}, {}},
      {3, {"", "", "9H", "", "10D"}, {"4C", "JD", "5H", "6S"}, {}},
      {3, {"", "8S", "", "9H"}, {"4C", "JD", "6H"}, {"4C", "8S", "9H"}},
      {2, {"9S"}, {"5C", "3H", "2H", "4D", "KD"}, {"9S", "KD"}},
  };
  int row = 0;
  for (const Case& c : cases) {
    ++row;
    table(c.table);
    hand1({});
    hand2(c.hand);
    g.TXT_CARD(2).Text = "0";
    const auto tableCards = static_cast<double>(tableShows().size());
    play(c.level);
    const std::string where = "case " + std::to_string(row);
    EXPECT_EQ(tableShows(), c.tableAfter) << where;
    if (c.tableAfter.empty()) {
      EXPECT_EQ(cardsTaken(), tableCards + 1) << where;
      EXPECT_EQ(handShows().size(), c.hand.size() - 1) << where;
    }
  }
}

TEST_F(Discard, LevelThreeSpendsAJackOnlyOnPoints) {
  table({"AS", "9H"});
  hand2({"4C", "JD", "6H"});
  play(3);
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(cardsTaken(), 3);
  EXPECT_EQ(points(), 2);

  table({"8S", "9H"});
  hand2({"4C", "JD", "6H"});
  play(3);  // no point card: the Jack is kept
  EXPECT_EQ(tableShows(), (Cards{"8S", "9H", "4C"}));
  EXPECT_EQ(handShows(), (Cards{"JD", "6H"}));

  table({"2C", "9H"});  // the marked two is a point card
  hand2({"4C", "JD", "5H"});
  play(3);
  EXPECT_TRUE(tableShows().empty());

  table({"2S", "9H"});  // an unmarked two is not
  hand2({"4C", "JD", "5H"});
  play(3);
  EXPECT_EQ(tableShows(), (Cards{"2S", "9H", "4C"}));

  table({"AS", "9H"});
  hand2({"4C", "5D", "6H"});
  play(3);  // points on the table but no Jack: the fallback rules
  EXPECT_EQ(tableShows(), (Cards{"AS", "9H", "4C"}));
}

TEST_F(Discard, LevelThreeQueenOnTablePlaysPositionOne) {
  table({"QS", "9H"});
  hand2({"JC", "5D", "6H"});
  play(3);
  EXPECT_TRUE(tableShows().empty());  // the Jack at position 1 takes all
  EXPECT_EQ(cardsTaken(), 3);

  table({"8S", "9H"});
  hand2({"4C", "KD", "6H"});
  play(3);  // no Queen or King on the table: the first in hand
  EXPECT_EQ(tableShows(), (Cards{"8S", "9H", "KD"}));
}

TEST_F(Discard, LookAheadRefusesACardThatLetsPlayerOneClear) {
  table({"3S"});
  hand1({"7C"});
  hand2({"4C", "5D", "6H"});
  play(3);  // 3 + 4 would make 7
  EXPECT_EQ(tableShows(), (Cards{"3S", "5D"}));
  EXPECT_EQ(g.p1.PlayedValue, 7);

  table({"3S"});
  hand1({"7C", "8C", "9C"});
  hand2({"4C", "5D", "6H"});
  play(3);  // no card is safe
  EXPECT_EQ(tableShows(), (Cards{"3S", "4C"}));
  EXPECT_EQ(g.p1.TableLeft, 0);

  table({"3S"});
  hand1({"JS", "QS"});
  hand2({"JC", "4D", "5H"});
  play(3);  // player 1's court cards are not tried; a Jack is never a candidate
  EXPECT_EQ(tableShows(), (Cards{"3S", "4D"}));
}

TEST_F(Discard, LookAheadTriesEverySumSize) {
  table({"AS", "2S"});
  hand1({"10C"});
  hand2({"7D", "8H"});  // 1 + 2 + 7 makes 10
  play(3);
  EXPECT_EQ(tableShows(), (Cards{"AS", "2S", "8H"}));

  table({"AS", "2S", "3S"});
  hand1({"10C"});
  hand2({"7D", "8H", "9C"});  // 3 + 7 and 1 + 2 + 7: the 7 counts in both
  play(3);
  EXPECT_EQ(tableShows(), (Cards{"AS", "2S", "3S", "8H"}));
  EXPECT_EQ(handShows(), (Cards{"7D", "9C"}));

  table({"2S", "9S", "AS"});
  hand1({"10C"});
  hand2({"7D", "5H"});  // 9 + 1 and 2 + 1 + 7, with the 9 between the 2 and the 1
  play(3);
  EXPECT_EQ(tableShows(), (Cards{"2S", "9S", "AS", "5H"}));

  table({"2S", "3S", "4S"});
  hand1({"10C"});
  hand2({"AD", "8H"});  // only 1 + 2 + 3 + 4 makes 10 with the Ace
  play(3);
  EXPECT_EQ(tableShows(), (Cards{"2S", "3S", "4S", "8H"}));

  table({"AS", "AH", "AC"});
  hand1({"10C"});
  hand2({"7D", "5H"});  // 1 + 1 + 1 + 7, four cards again
  play(3);
  EXPECT_EQ(tableShows(), (Cards{"AS", "AH", "AC", "5H"}));
}

TEST_F(Discard, LowCardTieGoesToTheLaterCard) {
  table({});
  hand2({"3S", "7H", "3D"});
  play(1);
  EXPECT_EQ(tableShows(), (Cards{"3D"}));

  table({});
  hand2({"KS", "JH", "KD"});  // a Jack never becomes the candidate
  play(1);
  EXPECT_EQ(tableShows(), (Cards{"KD"}));

  table({});
  hand2({"JS", "QH", "QD"});  // the Jack gives way to a Queen, then the tie
  play(1);
  EXPECT_EQ(tableShows(), (Cards{"QD"}));
}

}  // namespace
}  // namespace qorza::testing::computer

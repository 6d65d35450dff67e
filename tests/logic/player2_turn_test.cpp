// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's card on its way out of the hand, and a turn on a full table.
#include <gtest/gtest.h>

#include "rules/player2/computer_turn.h"
#include "rules/player2/look_ahead.h"
#include "support/player2_test_table.h"

namespace qorza::testing::computer {
namespace {

using ComputerTurn = ComputerTable;

TEST_F(ComputerTurn, RevealBlinksThreeTimesAndLeavesTheHand) {
  hand2({"7H", "9S"});
  g.DelayMs = 120;
  RevealHandCard(g, 2);
  EXPECT_EQ(platform.pauses, (std::vector<int>{120, 120, 120}));
  EXPECT_EQ(platform.eventRuns, 3);
  EXPECT_EQ(textOf(g.Player2(2).Picture), "9S");  // turned face up
  EXPECT_FALSE(g.Player2(2).Visible);
  EXPECT_FALSE(g.Player02(2).Visible);
  EXPECT_TRUE(g.Player2(1).Visible);
}

TEST_F(ComputerTurn, RevealWithoutDelayPausesOnce) {
  for (int delay : {0, -5}) {
    hand2({"7H"});
    platform.pauses.clear();
    g.DelayMs = delay;
    RevealHandCard(g, 1);
    EXPECT_EQ(platform.pauses, (std::vector<int>{300}));
    EXPECT_FALSE(g.Player2(1).Visible);
    EXPECT_FALSE(g.Player02(1).Visible);
  }
}

TEST_F(ComputerTurn, EveryTurnPlaysExactlyOneCard) {
  g.DelayMs = 40;
  table({"5S", "2H", "3C"});
  hand2({"9D", "5H", "KC"});
  play(3);
  EXPECT_EQ(handShows(), (Cards{"9D", "KC"}));
  EXPECT_EQ(platform.pauses, (std::vector<int>{40, 40, 40}));
}

TEST_F(ComputerTurn, EmptyHandPlaysNothing) {
  table({"5S"});
  hand2({});
  play(3);
  EXPECT_EQ(tableShows(), (Cards{"5S"}));
  EXPECT_TRUE(platform.pauses.empty());
}

// Ten cards on the table: nothing can be laid, so the card stays with the
// computer, banked as taken, and no slot outside the table is touched.
struct FullTable : ComputerTable {
  FullTable() { table({"2S", "2H", "3S", "3H", "4S", "4H", "5S", "5H", "6S", "6H"}); }
};

TEST_F(FullTable, CardThatCannotBeLaidIsBanked) {
  const Cards before = tableShows();
  hand2({"AH"});
  play(1);
  EXPECT_EQ(tableShows(), before);
  EXPECT_TRUE(handShows().empty());
  EXPECT_EQ(cardsTaken(), 1);
  EXPECT_EQ(points(), 1);
  EXPECT_EQ(strip(), (Cards{"AH"}));
  EXPECT_TRUE(sounds().empty());
}

TEST_F(FullTable, TrialLayKeepsTheTableAsItIs) {
  hand2({"AC", "AD", "AH"});
  ReadHands(g);
  TrialLay(g, 1);
  EXPECT_EQ(g.p2.LookCount, 10);
  for (int i = 1; i <= 10; ++i) {
    EXPECT_TRUE(g.game1(i).Visible);
    EXPECT_EQ(g.game1(i).Tag, g.game(i).Tag);
  }
}

TEST_F(FullTable, LookAheadOnAFullTable) {
  const Cards before = tableShows();
  hand1({"10C", "7D"});
  hand2({"AC", "AD", "AH"});
  play(3);
  EXPECT_EQ(tableShows(), before);
  EXPECT_EQ(handShows(), (Cards{"AD", "AH"}));
  EXPECT_EQ(cardsTaken(), 1);
  EXPECT_EQ(strip(), (Cards{"AC"}));
}

}  // namespace
}  // namespace qorza::testing::computer

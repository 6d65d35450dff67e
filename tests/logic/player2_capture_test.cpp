// SPDX-License-Identifier: GPL-3.0-or-later
// What the computer's search finds, which card it plays, and how the take is
// banked and sounded.
#include <gtest/gtest.h>

#include "rules/player2/capture_search.h"
#include "rules/player2/computer_turn.h"
#include "support/player2_test_table.h"

namespace qorza::testing::computer {
namespace {

using CaptureSearch = ComputerTable;

// Snapshots and one search over hand positions, as the turn does.
void search(Game& g) {
  g.p2 = Player2Scratch{};
  ReadHands(g);
  CopyTable(g);
  EvaluateCaptures(g);
}

TEST_F(CaptureSearch, SumsByRuleAndSize) {
  table({"5S", "2H", "3C"});
  hand2({"5H"});
  search(g);
  EXPECT_EQ(g.p2.TakeCount(1), 3);
  EXPECT_EQ(g.p2.TakeEqual(1).Slot(1), 1);
  EXPECT_EQ(g.p2.TakePairs(1).Count, 2);
  EXPECT_TRUE(g.p2.MakesQorza(1));

  table({"AS", "2H", "3C"});
  hand2({"6H"});
  search(g);
  EXPECT_EQ(g.p2.TakeTriples(1).Count, 3);
  EXPECT_FALSE(g.p2.TakePairs(1).Found);
  EXPECT_TRUE(g.p2.SweepFound);

  table({"AS", "2H", "3C", "4S"});
  hand2({"10H"});
  search(g);
  EXPECT_EQ(g.p2.TakeQuads(1).Count, 4);
  EXPECT_FALSE(g.p2.TakeTriples(1).Found);
  EXPECT_EQ(g.p2.TakeCount(1), 4);
}

TEST_F(CaptureSearch, PairsComeBeforeTriples) {
  table({"2H", "3C", "4S", "5S"});
  hand2({"9H"});
  search(g);
  EXPECT_EQ(g.p2.TakePairs(1).Count, 2);
  EXPECT_EQ(g.p2.TakePairs(1).Slot(1), 3);
  EXPECT_EQ(g.p2.TakePairs(1).Slot(2), 4);
  EXPECT_FALSE(g.p2.TakeTriples(1).Found);
  EXPECT_FALSE(g.p2.SweepFound);
}

TEST_F(CaptureSearch, CardsThatTakeNothing) {
  table({"AS", "2H", "3C", "3S"});
  hand2({"9H"});
  search(g);
  EXPECT_EQ(g.p2.TakeCount(1), 0);  // four-card sets only for a ten

  table({"AS", "AH"});
  hand2({"2D"});
  search(g);
  EXPECT_EQ(g.p2.TakeCount(1), 0);  // no pairs below three
}

TEST_F(CaptureSearch, EqualRuleTakesOnlyTheFirst) {
  table({"KS", "KH"});
  hand2({"KD"});
  search(g);
  EXPECT_EQ(g.p2.TakeCount(1), 1);
  EXPECT_EQ(g.p2.TakeEqual(1).Slot(1), 1);
  play();
  EXPECT_EQ(tableShows(), (Cards{"KH"}));
  EXPECT_EQ(cardsTaken(), 2);
}

TEST_F(CaptureSearch, FirstSweepingCardPlaysAndEndsTheSearch) {
  table({"4S"});
  hand2({"9H", "4H", "4D"});
  search(g);
  EXPECT_EQ(g.p2.SweepCard, 2);
  EXPECT_EQ(g.p2.TakeCount(3), 0);  // not tried
  play();
  EXPECT_EQ(handShows(), (Cards{"9H", "4D"}));
  EXPECT_EQ(qorzaTotal(), 8);
}

TEST_F(CaptureSearch, MostCardsWinTheLaterOnATie) {
  table({"3S", "4S", "8S", "KS"});
  hand2({"3H", "4H", "KD"});
  play();
  EXPECT_EQ(handShows(), (Cards{"3H", "4H"}));
  EXPECT_EQ(tableShows(), (Cards{"3S", "4S", "8S"}));

  table({"3S", "4S", "8S", "KS"});
  hand2({"7H", "3H", "KD"});
  play();
  EXPECT_EQ(handShows(), (Cards{"3H", "KD"}));  // 7 takes two
  EXPECT_EQ(tableShows(), (Cards{"8S", "KS"}));
}

// A taken card counts 0 for the rest of its trial; a later sum that meets it
// still takes its other members, but never the taken card a second time.
TEST_F(CaptureSearch, TakenCardIsNeverTakenTwice) {
  table({"5S", "5H"});
  hand2({"5D"});
  play();
  EXPECT_EQ(g.p2.TakeCount(1), 2);
  EXPECT_EQ(g.p2.TakeEqual(1).Count, 1);
  EXPECT_EQ(g.p2.TakePairs(1).Count, 1);
  EXPECT_EQ(g.p2.TakePairs(1).Slot(1), 2);
  EXPECT_EQ(cardsTaken(), 3);
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(g.lbl_qorza2(1).Caption, "15");
  EXPECT_EQ(qorzaTotal(), 15);
}

TEST_F(CaptureSearch, TakenPointCardBanksOnce) {
  table({"10D", "10S", "8H"});
  hand2({"10H", "8S"});
  play();
  EXPECT_EQ(tableShows(), (Cards{"8H"}));
  EXPECT_EQ(cardsTaken(), 3);
  EXPECT_EQ(points(), 3);
  EXPECT_EQ(strip(), (Cards{"10D"}));
  EXPECT_EQ(g.CardImgNext2, 2);
  EXPECT_EQ(sounds(), (Sounds{"TEN.wav"}));
}

TEST_F(CaptureSearch, JackOnAJackTakesTheWholeTable) {
  table({"5S", "JS", "9H"});
  hand2({"5D", "JH"});  // each counts one; the later wins
  play();
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(cardsTaken(), 4);
  EXPECT_EQ(points(), 2);
  EXPECT_EQ(qorzaTotal(), 0);
  EXPECT_EQ(sounds(), (Sounds{"WIN_MAN.wav"}));

  table({"JS", "JD"});
  hand2({"3H", "JH"});
  platform.sounds.clear();
  play();
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(cardsTaken(), 7);
  EXPECT_EQ(qorzaTotal(), 0);
  EXPECT_FALSE(g.img_qorza2(1).Visible);
  EXPECT_EQ(sounds(), (Sounds{"WIN_MAN.wav"}));
}

TEST_F(CaptureSearch, LoneJackIsAQorzaOfTwentyFive) {
  table({"", "JS"});
  hand2({"5H", "JH", "9C"});
  play();
  EXPECT_EQ(handShows(), (Cards{"5H", "9C"}));
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(cardsTaken(), 2);
  EXPECT_EQ(points(), 2);
  EXPECT_EQ(strip(), (Cards{"JS", "JH"}));
  EXPECT_EQ(g.lbl_qorza2(1).Caption, "25");
  EXPECT_EQ(textOf(g.img_qorza2(1).Picture), "JH");
  EXPECT_EQ(qorzaTotal(), 25);
  EXPECT_EQ(g.QorzaImgNext2, 2);
  EXPECT_EQ(sounds(), (Sounds{"QORZA.wav"}));
}

TEST_F(CaptureSearch, LoneJackWithoutJackInHandGoesToTheDiscard) {
  table({"JS"});
  hand2({"5H", "9C"});
  play(1);
  EXPECT_EQ(tableShows(), (Cards{"JS", "5H"}));
  EXPECT_EQ(cardsTaken(), 0);
  EXPECT_TRUE(sounds().empty());
}

TEST_F(CaptureSearch, DueSoundsInOrderWhenCardsRemain) {
  table({"AS", "2C", "10D", "JS", "7H"});
  hand2({"JH"});
  play();
  EXPECT_EQ(sounds(), (Sounds{"ONE.wav", "TWO.wav", "TEN.wav", "WIN_MAN.wav"}));
  EXPECT_EQ(cardsTaken(), 6);
  EXPECT_EQ(points(), 8);
  EXPECT_EQ(strip(), (Cards{"JH", "AS", "2C", "10D", "JS"}));

  table({"10D", "AS", "9S", "2C", "8S", "7H"});
  hand2({"10H"});
  platform.sounds.clear();
  play();
  EXPECT_EQ(tableShows(), (Cards{"7H"}));
  EXPECT_EQ(sounds(), (Sounds{"ONE.wav", "TWO.wav", "TEN.wav"}));
}

TEST_F(CaptureSearch, QorzaSoundsAloneAndCountsItsWorth) {
  table({"AS", "2C"});
  hand2({"3H"});
  play();
  EXPECT_EQ(sounds(), (Sounds{"QORZA.wav"}));
  EXPECT_EQ(points(), 3);
  EXPECT_EQ(cardsTaken(), 3);
  EXPECT_EQ(g.lbl_qorza2(1).Caption, "6");

  table({"AS", "2H", "3C", "4S"});
  hand2({"10H"});
  play();
  EXPECT_EQ(g.lbl_qorza2(2).Caption, "20");
  EXPECT_EQ(qorzaTotal(), 26);
}

TEST_F(CaptureSearch, QueenCountsThreeAndKingFourInAQorza) {
  table({"QS"});
  hand2({"QH"});
  play();
  EXPECT_EQ(g.lbl_qorza2(1).Caption, "6");
  table({"KS"});
  hand2({"KH"});
  play();
  EXPECT_EQ(g.lbl_qorza2(2).Caption, "8");
  EXPECT_EQ(qorzaTotal(), 14);
}

TEST_F(CaptureSearch, SixthQorzaClearsTheDisplay) {
  g.QorzaImgNext2 = 5;
  table({"7S"});
  hand2({"7H"});
  play();
  EXPECT_TRUE(g.img_qorza2(5).Visible);
  table({"7D"});
  hand2({"7C"});
  play();
  EXPECT_EQ(qorzaTotal(), 28);
  EXPECT_EQ(g.QorzaImgNext2, 1);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_FALSE(g.img_qorza2(i).Visible);
    EXPECT_FALSE(g.lbl_qorza2(i).Visible);
  }
}

}  // namespace
}  // namespace qorza::testing::computer

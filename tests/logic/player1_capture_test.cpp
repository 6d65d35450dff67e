// SPDX-License-Identifier: GPL-3.0-or-later
// What a card played by player 1 takes: equal card, pairs before triples,
// four cards for a ten, the Jack's whole table, and what it leaves.
#include "support/player1_test_table.h"

namespace qorza::testing {
namespace {

using Capture = Player1Table;

TEST_F(Capture, PairsComeBeforeTriples) {
  table({"2S", "3S", "4S", "5S"});
  play("9H");
  // 4 + 5 go as a pair; 2 + 3 + 4 is never tried with the 4 still there.
  EXPECT_EQ(tableShows(), (Cards{"2S", "3S"}));
  EXPECT_EQ(cardsTaken(), 3);
  EXPECT_TRUE(g.p1.SumTaken);
  EXPECT_FALSE(g.p1.QorzaMade);
  EXPECT_EQ(g.game(3).Tag, "");
  EXPECT_EQ(g.game(4).Tag, "");
  EXPECT_EQ(g.game(1).Tag, "2");
  EXPECT_TRUE(sounds().empty());
  EXPECT_EQ(g.p1.TableLeft, 2);
}

TEST_F(Capture, EqualCardThenPairClearsTheTable) {
  table({"5S", "2H", "3D"});
  play("5H");
  EXPECT_TRUE(tableShows().empty());
  EXPECT_TRUE(g.p1.EqualTaken);
  EXPECT_TRUE(g.p1.SumTaken);
  EXPECT_EQ(cardsTaken(), 4);
  EXPECT_TRUE(g.p1.QorzaMade);
}

TEST_F(Capture, TriplesAreTriedForEveryValueFromThree) {
  table({"AS", "AH", "2H"});
  play("4H");
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(cardsTaken(), 4);
  EXPECT_EQ(points(), 2);  // the two Aces
  EXPECT_EQ(g.lbl_qorza1(1).Caption, "8");

  table({"AS", "2S", "3S", "KS"});
  play("6H");
  EXPECT_EQ(tableShows(), (Cards{"KS"}));
}

TEST_F(Capture, FourCardSumOnlyForATen) {
  table({"AS", "2S", "3S", "4S"});
  play("10H");
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(cardsTaken(), 5);
  EXPECT_EQ(g.lbl_qorza1(1).Caption, "20");
  EXPECT_EQ(qorzaTotal(), 20);

  table({"AS", "2S", "3S", "3H"});
  play("9H");
  EXPECT_EQ(tableShows(), (Cards{"AS", "2S", "3S", "3H", "9H"}));
  EXPECT_EQ(g.game(5).Tag, "9");
  EXPECT_EQ(cardsTaken(), 5);  // unchanged
  EXPECT_FALSE(g.p1.EqualTaken || g.p1.SumTaken);
}

TEST_F(Capture, EqualStepTakesOnlyTheLowestSlot) {
  table({"9S", "KS", "KH"});
  play("KD");
  EXPECT_EQ(tableShows(), (Cards{"9S", "KH"}));
  EXPECT_EQ(cardsTaken(), 2);

  // Aces, twos, Queens and Kings use the equal step alone.
  table({"AS", "AH", "7D"});
  play("2H");
  EXPECT_EQ(tableShows(), (Cards{"AS", "AH", "7D", "2H"}));
}

TEST_F(Capture, JackTakesTheWholeTableAndKeepsTheRanks) {
  table({"5S", "", "KS", "QH", "9D"});
  play("JH");
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(cardsTaken(), 5);  // four cards and the Jack
  EXPECT_EQ(g.game(3).Tag, "13");
  EXPECT_TRUE(g.p1.JackPlayed);
  EXPECT_FALSE(g.p1.QorzaMade);
  EXPECT_EQ(qorzaTotal(), 0);
}

// A sum that runs through a card already taken in this play takes only the
// further card of the played value, counted and scored once.
TEST_F(Capture, AlreadyTakenCardsAreNotTakenAgain) {
  table({"5S", "5H"});
  play("5D");
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(cardsTaken(), 3);
  EXPECT_EQ(g.lbl_qorza1(1).Caption, "15");

  g.TXT_CARD(1).Text = "0";
  table({"5S", "5H", "5C"});
  play("5D");
  EXPECT_TRUE(tableShows().empty());
  EXPECT_EQ(cardsTaken(), 4);

  // The marked ten goes by the equal step; the second ten by a pair through
  // it, without scoring the marked one a second time.
  g.TXT_CARD(1).Text = "0";
  g.TXT_POINT(1).Text = "0";
  g.CardImgNext1 = 1;
  for (auto& s : g.img_card1) {
    s.Visible = false;
  }
  table({"10D", "10S", "7C"});
  play("10H");
  EXPECT_EQ(tableShows(), (Cards{"7C"}));
  EXPECT_EQ(cardsTaken(), 3);
  EXPECT_EQ(points(), 3);
  EXPECT_EQ(strip(), (Cards{"10D"}));
}

TEST_F(Capture, FreedSlotsAreReusedFirst) {
  table({"", "KS", "", "QS"});
  play("3H");
  EXPECT_TRUE(g.game(1).Visible);
  EXPECT_EQ(g.game(1).Tag, "3");
  EXPECT_FALSE(g.game(3).Visible);
  EXPECT_EQ(cardsTaken(), 0);
}

TEST_F(Capture, PlayOntoAnEmptyTableIsLaidAndCountsNothing) {
  table({});
  play("7H");
  EXPECT_EQ(tableShows(), (Cards{"7H"}));
  EXPECT_EQ(cardsTaken(), 0);
  EXPECT_TRUE(g.p1.TableWasEmpty);
  EXPECT_TRUE(sounds().empty());

  table({});
  play("JS");
  EXPECT_EQ(tableShows(), (Cards{"JS"}));
  EXPECT_EQ(sounds(), (Sounds{"BORN_MAN.wav"}));
  EXPECT_EQ(points(), 0);
  EXPECT_EQ(qorzaTotal(), 0);
  EXPECT_FALSE(g.Player1(1).Visible);
}

// The table holds ten cards at most: a card that takes nothing then stays
// with player 1 as a taken card, and no slot beyond the tenth is touched.
TEST_F(Capture, CardThatFindsTheTableFullIsBanked) {
  table({"2S", "3S", "4S", "5S", "6S", "7S", "8S", "9S", "10S", "KS"});
  play("AH");
  EXPECT_EQ(tableShows().size(), 10u);
  EXPECT_EQ(g.game(10).Tag, "13");
  EXPECT_FALSE(g.Player1(1).Visible);
  EXPECT_EQ(cardsTaken(), 1);
  EXPECT_EQ(points(), 1);
  EXPECT_EQ(strip(), (Cards{"AH"}));
  EXPECT_TRUE(sounds().empty());
  EXPECT_EQ(qorzaTotal(), 0);
  EXPECT_EQ(g.QorzaImgNext1, 1);

  table({"AS", "3S", "4S", "5S", "6S", "7S", "8S", "9S", "10S", "KS"});
  play("2C");  // the marked two
  EXPECT_EQ(cardsTaken(), 2);
  EXPECT_EQ(points(), 3);
  EXPECT_EQ(strip(), (Cards{"AH", "2C"}));

  table({"AS", "3S", "4S", "5S", "6S", "7S", "8S", "9S", "10S", "KS"});
  play("QH");
  EXPECT_EQ(cardsTaken(), 3);
  EXPECT_EQ(points(), 3);
  EXPECT_TRUE(sounds().empty());
}

}  // namespace
}  // namespace qorza::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// Player 1's points, Qorzas and sounds: which cards score, what a Qorza is
// worth, how the Jack is scored, and the order the sounds come in.
#include "support/player1_test_table.h"

namespace qorza::testing {
namespace {

using Scoring = Player1Table;

TEST_F(Scoring, SevenOnALoneSevenIsAQorzaWorthFourteen) {
  table({"7S"});
  play("7H");
  EXPECT_EQ(cardsTaken(), 2);
  EXPECT_TRUE(g.p1.QorzaMade);
  EXPECT_EQ(g.lbl_qorza1(1).Caption, "14");
  EXPECT_TRUE(g.lbl_qorza1(1).Visible);
  EXPECT_TRUE(g.img_qorza1(1).Visible);
  EXPECT_EQ(textOfPicture(g.img_qorza1(1).Picture), "7H");
  EXPECT_EQ(g.txt_qorza(1).Text, "14");
  EXPECT_EQ(g.QorzaImgNext1, 2);
  EXPECT_EQ(sounds(), (Sounds{"QORZA.wav"}));
  EXPECT_EQ(points(), 0);
  EXPECT_EQ(platform.sounds.front(), "/game/QORZA.wav");
}

TEST_F(Scoring, QorzaPlaysOnlyItsOwnSound) {
  // The taken Ace and the played marked ten score, but only the Qorza sounds.
  table({"AS", "2S", "3S", "4S"});
  play("10D");
  EXPECT_EQ(sounds(), (Sounds{"QORZA.wav"}));
  EXPECT_EQ(points(), 4);
  EXPECT_EQ(strip(), (Cards{"AS", "10D"}));
  EXPECT_EQ(g.txt_qorza(1).Text, "20");
}

TEST_F(Scoring, JackOnFiveAndKingScoresOnlyTheJack) {
  table({"5S", "KS"});
  play("JH");
  EXPECT_EQ(cardsTaken(), 3);
  EXPECT_EQ(points(), 1);
  EXPECT_EQ(strip(), (Cards{"JH"}));
  EXPECT_EQ(sounds(), (Sounds{"WIN_MAN.wav"}));
  EXPECT_TRUE(g.p1.SumTaken);
  EXPECT_FALSE(g.p1.QorzaMade);
  EXPECT_EQ(qorzaTotal(), 0);
  EXPECT_FALSE(g.img_qorza1(1).Visible);
}

TEST_F(Scoring, JackTakingAJackAmongOthersScoresBoth) {
  table({"JS", "3S"});
  play("JH");
  EXPECT_EQ(points(), 2);
  EXPECT_EQ(strip(), (Cards{"JS", "JH"}));
  EXPECT_EQ(sounds(), (Sounds{"WIN_MAN.wav"}));
  EXPECT_EQ(qorzaTotal(), 0);
}

// The played Jack is scored twice, the taken Jack not at all.
TEST_F(Scoring, JackOnALoneJackIsAQorzaWorthTwentyFive) {
  table({"JS"});
  play("JH");
  EXPECT_EQ(cardsTaken(), 2);
  EXPECT_EQ(g.lbl_qorza1(1).Caption, "25");
  EXPECT_EQ(qorzaTotal(), 25);
  EXPECT_EQ(points(), 2);
  EXPECT_EQ(strip(), (Cards{"JH", "JH"}));
  EXPECT_EQ(sounds(), (Sounds{"QORZA.wav", "WIN_MAN.wav"}));
  EXPECT_FALSE(g.p1.QorzaMade);
  EXPECT_EQ(textOfPicture(g.img_qorza1(1).Picture), "JH");
}

TEST_F(Scoring, AceOnAnAceSoundsTwice) {
  table({"AS", "5H"});
  play("AH");
  EXPECT_EQ(tableShows(), (Cards{"5H"}));
  EXPECT_EQ(cardsTaken(), 2);
  EXPECT_EQ(points(), 2);
  EXPECT_EQ(strip(), (Cards{"AS", "AH"}));
  EXPECT_EQ(sounds(), (Sounds{"ONE.wav", "ONE.wav"}));
}

TEST_F(Scoring, UnmarkedTwoAndTenScoreNothing) {
  table({"2S", "7S"});
  play("2H");
  table({"10S", "7S"});
  play("10H");
  EXPECT_EQ(cardsTaken(), 4);
  EXPECT_EQ(points(), 0);
  EXPECT_TRUE(strip().empty());
  EXPECT_TRUE(sounds().empty());
}

TEST_F(Scoring, MarkedCardsScoreWithTheirSounds) {
  table({"2S", "7S"});
  play("2C");
  EXPECT_EQ(points(), 2);
  EXPECT_EQ(sounds(), (Sounds{"TWO.wav"}));

  table({"10S", "7S"});
  play("10D");
  EXPECT_EQ(points(), 5);
  EXPECT_EQ(sounds(), (Sounds{"TWO.wav", "TEN.wav"}));
  EXPECT_EQ(strip(), (Cards{"2C", "10D"}));
}

// Taken cards ask for their sounds; they play after the take, ace, two, ten.
TEST_F(Scoring, TableCardSoundsPlayInOrderWhenCardsRemain) {
  table({"10D", "AS", "2C", "7S", "KS"});
  play("10H");
  EXPECT_EQ(tableShows(), (Cards{"KS"}));
  EXPECT_EQ(cardsTaken(), 5);
  EXPECT_EQ(points(), 6);
  EXPECT_EQ(strip(), (Cards{"10D", "AS", "2C"}));
  EXPECT_EQ(sounds(), (Sounds{"ONE.wav", "TWO.wav", "TEN.wav"}));
}

TEST_F(Scoring, SixthQorzaClearsTheDisplay) {
  for (int n = 1; n <= 5; ++n) {
    table({"7S"});
    play("7H");
    EXPECT_TRUE(g.img_qorza1(n).Visible);
  }
  table({"7S"});
  play("7H");
  for (int q = 1; q <= 6; ++q) {
    EXPECT_FALSE(g.img_qorza1(q).Visible);
    EXPECT_FALSE(g.lbl_qorza1(q).Visible);
  }
  EXPECT_EQ(qorzaTotal(), 84);
  EXPECT_EQ(g.QorzaImgNext1, 1);

  table({"QS"});
  play("QH");
  EXPECT_TRUE(g.img_qorza1(1).Visible);
  EXPECT_EQ(g.lbl_qorza1(1).Caption, "6");
  EXPECT_FALSE(g.img_qorza1(2).Visible);
  EXPECT_EQ(g.QorzaImgNext1, 2);
  EXPECT_EQ(qorzaTotal(), 90);
}

TEST_F(Scoring, SoundOffPlaysNothingButScoresAlike) {
  g.SoundOn = false;
  table({"AS", "5H"});
  play("AH");
  table({"JS"});
  play("JH");
  EXPECT_TRUE(platform.sounds.empty());
  EXPECT_EQ(points(), 4);
}

}  // namespace
}  // namespace qorza::testing

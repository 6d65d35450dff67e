// SPDX-License-Identifier: GPL-3.0-or-later
// Deal scoring, the end of a match and the results window's content and OK.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "scoring/deal_scoring.h"
#include "scoring/results_grid.h"
#include "support/fake_platform.h"

namespace qorza {
namespace {

using testing::FakePlatform;

const std::string kWin = "تهانينا لقد ربحت.......";
const std::string kLoss = "لقد خسرت مع الأسف حاول مرة أخرى";

struct DealCounters {
  std::string qorza1 = "0", points1 = "0", cards1 = "0";
  std::string qorza2 = "0", points2 = "0", cards2 = "0";
};

struct ScoringFixture : ::testing::Test {
  FakePlatform platform;
  Game g{platform};
  std::vector<ResultsWindowModel> shown;  // the window each time it was on screen

  ScoringFixture() {
    platform.onResults = [this](Game& game) { shown.push_back(game.frm_results); };
  }

  void setCounters(const DealCounters& c) {
    g.txt_qorza(1).Text = c.qorza1;
    g.TXT_POINT(1).Text = c.points1;
    g.TXT_CARD(1).Text = c.cards1;
    g.txt_qorza(2).Text = c.qorza2;
    g.TXT_POINT(2).Text = c.points2;
    g.TXT_CARD(2).Text = c.cards2;
  }

  // The end of a deal as the deal sequence runs it.
  void endDeal(const DealCounters& c) {
    setCounters(c);
    g.RoundCount1 += 1;
    g.RoundCount2 += 1;
    ScoreDeal(g);
  }

  // A deal worth exactly (a, b) to the two players, no card bonus.
  void endDealWorth(int a, int b) {
    endDeal({"0", std::to_string(a), "20", "0", std::to_string(b), "20"});
  }

  const ResultsWindowModel& lastShown() const { return shown.back(); }

  static std::string text(const ResultsWindowModel& m, int row, int col) {
    return m.Grid1.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col)).Text;
  }
  static bool yellow(const ResultsWindowModel& m, int row, int col) {
    return m.Grid1.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col)).Highlighted;
  }
};

TEST_F(ScoringFixture, CardBonusGoesToTheLargerHeapComparedAsNumbers) {
  endDeal({"0", "0", "26", "0", "0", "26"});
  EXPECT_EQ(g.ScoreTable(1), 0);
  EXPECT_EQ(g.ScoreTable(2), 0);

  // As texts "9" would sort after "43".
  endDeal({"0", "0", "9", "0", "0", "43"});
  EXPECT_EQ(g.ScoreTable(1), 0);
  EXPECT_EQ(g.ScoreTable(2), 3);

  endDeal({"0", "0", "43", "0", "0", "9"});
  EXPECT_EQ(g.ScoreTable(1), 3);
  EXPECT_EQ(g.ScoreTable(2), 3);
}

TEST_F(ScoringFixture, HalfPointsRoundToTheEvenNeighbour) {
  endDeal({"12.5", "0", "0", "13.5", "0", "0"});
  EXPECT_EQ(g.ScoreTable(1), 12);
  EXPECT_EQ(g.ScoreTable(2), 14);

  // The running score, the worth and the points are summed before rounding.
  endDeal({"1.5", "1", "0", "0.5", "1", "0"});
  EXPECT_EQ(g.ScoreTable(1), 14);  // 12 + 2.5
  EXPECT_EQ(g.ScoreTable(2), 16);  // 14 + 1.5
  EXPECT_EQ(text(lastShown(), 2, 1), "14");
  EXPECT_EQ(text(lastShown(), 2, 2), "16");
}

// Scores never wrap: a huge Qorza worth or the card bonus at the edge holds
// the score at a billion.
TEST_F(ScoringFixture, ScoresStopAtTheLimitInsteadOfWrapping) {
  g.winningPointsText = "2000000000";  // no match end: the scores stay to be read
  g.ScoreTable(1) = 999999999;
  g.ScoreTable(2) = 5;
  endDeal({"0", "0", "30", "100000000000000000000", "0", "20"});
  EXPECT_EQ(g.ScoreTable(1), 1000000000);
  EXPECT_EQ(g.ScoreTable(2), 1000000000);
  EXPECT_EQ(text(lastShown(), 1, 1), "1000000000");
  g.ScoreTable(1) = -1000000000;
  g.ScoreTable(2) = -999999999;
  endDeal({"-5", "0", "20", "-7", "0", "20"});
  EXPECT_EQ(g.ScoreTable(1), -1000000000);
  EXPECT_EQ(g.ScoreTable(2), -1000000000);
}

TEST_F(ScoringFixture, GridShowsRunningScoresDealByDealWhileTheWindowIsHidden) {
  endDealWorth(10, 4);
  const ResultsWindowModel& first = lastShown();
  EXPECT_EQ(first.Grid1.size(), 16u);
  EXPECT_EQ(text(first, 0, 0), "");
  EXPECT_EQ(text(first, 0, 1), kDefaultPlayer1Name);
  EXPECT_EQ(text(first, 0, 2), kDefaultPlayer2Name);
  for (int r = 1; r <= 15; ++r) {
    EXPECT_EQ(text(first, r, 0), std::to_string(r));
  }
  EXPECT_EQ(text(first, 1, 1), "10");
  EXPECT_EQ(text(first, 1, 2), "4");
  EXPECT_EQ(text(first, 2, 1), "");
  EXPECT_FALSE(first.Label1Visible);
  EXPECT_EQ(highlightedColumn(first), 0);

  endDealWorth(5, 7);
  EXPECT_EQ(platform.resultsShown, 2);
  EXPECT_EQ(text(lastShown(), 1, 1), "10");
  EXPECT_EQ(text(lastShown(), 2, 1), "15");
  EXPECT_EQ(text(lastShown(), 2, 2), "11");
  EXPECT_EQ(lastShown().NewestRow, 2);
  EXPECT_TRUE(g.frm_results.Loaded);  // only hidden between deals
}

TEST_F(ScoringFixture, OnlyAScoreStrictlyAboveTheTargetEndsTheMatch) {
  g.ScoreTable(1) = 100;
  endDealWorth(1, 0);
  EXPECT_EQ(g.ScoreTable(1), 101);
  EXPECT_FALSE(lastShown().Label1Visible);
  EXPECT_EQ(g.RoundCount1, 1);

  endDealWorth(1, 0);
  EXPECT_TRUE(lastShown().Label1Visible);
  EXPECT_EQ(verdictWords(lastShown().verdict), kWin);
  EXPECT_EQ(text(lastShown(), 2, 1), "102");
  // OK after the match end starts the next match.
  EXPECT_EQ(g.ScoreTable(1), 0);
  EXPECT_EQ(g.ScoreTable(2), 0);
  EXPECT_EQ(g.RoundCount1, 0);
  EXPECT_EQ(g.RoundCount2, 0);
  EXPECT_FALSE(g.frm_results.Loaded);
}

TEST_F(ScoringFixture, EqualScoresAboveTheTargetGoToPlayerOne) {
  g.ScoreTable(1) = 100;
  g.ScoreTable(2) = 100;
  endDealWorth(5, 5);
  const ResultsWindowModel& end = lastShown();
  EXPECT_TRUE(end.Label1Visible);
  EXPECT_EQ(verdictWords(end.verdict), kWin);
  for (int r = 1; r <= 15; ++r) {  // every deal row, used or not
    EXPECT_TRUE(yellow(end, r, 1)) << r;
    EXPECT_FALSE(yellow(end, r, 2)) << r;
    EXPECT_FALSE(yellow(end, r, 0)) << r;
  }
  EXPECT_FALSE(yellow(end, 0, 1));
}

TEST_F(ScoringFixture, OnlyPlayerTwoAboveTheTargetLoses) {
  g.ScoreTable(1) = 60;
  g.ScoreTable(2) = 99;
  endDeal({"0", "0", "10", "0", "0", "30"});  // 99 + 3 card bonus
  const ResultsWindowModel& end = lastShown();
  EXPECT_EQ(text(end, 1, 2), "102");
  EXPECT_TRUE(end.Label1Visible);
  EXPECT_EQ(verdictWords(end.verdict), kLoss);
  EXPECT_EQ(highlightedColumn(end), 2);
  for (int r = 1; r <= 15; ++r) {
    EXPECT_TRUE(yellow(end, r, 2)) << r;
    EXPECT_FALSE(yellow(end, r, 1)) << r;
  }
}

TEST_F(ScoringFixture, TheNextMatchStartsWithAnEmptyGrid) {
  endDealWorth(60, 20);
  endDealWorth(50, 10);  // 110: match over, OK resets
  EXPECT_FALSE(g.frm_results.Label1Visible);

  endDealWorth(3, 8);
  const ResultsWindowModel& next = lastShown();
  EXPECT_EQ(text(next, 1, 1), "3");
  EXPECT_EQ(text(next, 1, 2), "8");
  for (int r = 2; r <= 15; ++r) {
    EXPECT_EQ(text(next, r, 0), std::to_string(r));
    EXPECT_EQ(text(next, r, 1), "") << r;
    EXPECT_EQ(text(next, r, 2), "") << r;
  }
  EXPECT_EQ(text(next, 0, 1), kDefaultPlayer1Name);
  EXPECT_FALSE(next.Label1Visible);
  EXPECT_EQ(highlightedColumn(next), 0);
}

TEST_F(ScoringFixture, ATargetThatIsNoNumberReadsZero) {
  for (const char* target : {"", "abc", "  "}) {
    FakePlatform p;
    Game game{p};
    game.winningPointsText = target;
    std::vector<bool> verdicts;
    p.onResults = [&](Game& shownGame) { verdicts.push_back(shownGame.frm_results.Label1Visible); };
    EXPECT_EQ(matchTarget(game), 0) << target;
    game.RoundCount1 = 1;
    ScoreDeal(game);  // nobody scored: 0 is not above 0
    game.RoundCount1 = 2;
    game.TXT_POINT(2).Text = "1";
    ScoreDeal(game);
    EXPECT_EQ(verdicts, (std::vector<bool>{false, true})) << target;
    EXPECT_EQ(game.RoundCount1, 0) << target;
  }
  g.winningPointsText = " 250 points";
  EXPECT_EQ(matchTarget(g), 250);
}

TEST_F(ScoringFixture, APlayerWithAnEmptyNameHasAnEmptyHeading) {
  g.PlayerName(2) = "";
  endDealWorth(4, 6);
  EXPECT_EQ(text(lastShown(), 0, 1), kDefaultPlayer1Name);
  EXPECT_EQ(text(lastShown(), 0, 2), "");
  EXPECT_EQ(text(lastShown(), 1, 2), "6");

  // Headings follow a renamed player at the next showing.
  g.PlayerName(1) = "Salma";
  MNU_RESULTS_Click(g);
  EXPECT_EQ(text(lastShown(), 0, 1), "Salma");
}

TEST_F(ScoringFixture, NoRowIsWrittenBeforeTheFirstDealEnds) {
  setCounters({"2", "3", "20", "0", "1", "10"});
  ScoreDeal(g);  // RoundCount1 still 0
  EXPECT_EQ(platform.resultsShown, 1);
  EXPECT_EQ(g.ScoreTable(1), 8);
  EXPECT_EQ(g.ScoreTable(2), 1);
  for (int r = 1; r <= 15; ++r) {
    EXPECT_EQ(text(lastShown(), r, 1), "") << r;
  }
  EXPECT_EQ(lastShown().NewestRow, 0);
}

TEST_F(ScoringFixture, OkRefillsARunDownStockCounter) {
  struct Case {
    int deck, hand;
    int expected;
  };
  for (Case c : {Case{52, 4, 40}, Case{52, 6, 36}, Case{44, 4, 32}, Case{44, 6, 28}}) {
    g.DeckSize = c.deck;
    g.HandSize = c.hand;
    g.TXT_NAME.Text = "0";
    resultsCommand1_Click(g);
    EXPECT_EQ(g.TXT_NAME.Text, std::to_string(c.expected)) << c.deck << "/" << c.hand;
  }
  g.TXT_NAME.Text = "12";
  resultsCommand1_Click(g);
  EXPECT_EQ(g.TXT_NAME.Text, "12");

  // The end of a deal runs the same OK.
  g.DeckSize = 52;
  g.HandSize = 6;
  g.TXT_NAME.Text = "0";
  endDealWorth(1, 1);
  EXPECT_EQ(g.TXT_NAME.Text, "36");
}

// The stock counter reads 0 all through the last hand of a deal; the Results
// command there must not refill it, or the next deal would start counting
// from the wrong number.
TEST_F(ScoringFixture, ResultsCommandInTheLastHandLeavesTheStockCounter) {
  ASSERT_TRUE(applyNewGameOptions(g, {false, true, "Tester"}));
  g.DelayMs = 0;
  g.rng.fixSeed(3);
  mnu_new_Click(g);
  for (int hand = 1; hand <= 3; ++hand) {
    for (int k = 1; k <= 6; ++k) {
      Player1_Click(g, k);
    }
  }
  Player1_Click(g, 1);
  ASSERT_EQ(g.TXT_NAME.Text, "0");
  MNU_RESULTS_Click(g);
  EXPECT_EQ(g.TXT_NAME.Text, "0");
  for (int k = 2; k <= 6; ++k) {
    Player1_Click(g, k);
  }
  ASSERT_EQ(g.RoundCount1, 1);  // the deal has ended and the next one begun
  EXPECT_EQ(g.TXT_NAME.Text, "36");
}

TEST_F(ScoringFixture, ResultsCommandShowsTheScoresAndAddsNothing) {
  endDealWorth(20, 30);
  setCounters({"4", "5", "30", "1", "2", "10"});  // a deal half played
  g.TXT_NAME.Text = "16";
  MNU_RESULTS_Click(g);
  MNU_RESULTS_Click(g);
  EXPECT_EQ(platform.resultsShown, 3);
  EXPECT_EQ(g.ScoreTable(1), 20);
  EXPECT_EQ(g.ScoreTable(2), 30);
  EXPECT_EQ(g.RoundCount1, 1);
  EXPECT_EQ(text(lastShown(), 1, 1), "20");
  EXPECT_EQ(text(lastShown(), 2, 1), "");
  EXPECT_FALSE(lastShown().Label1Visible);
  EXPECT_EQ(g.TXT_NAME.Text, "16");

  // The deal is counted once, at its end.
  endDeal({"4", "5", "30", "1", "2", "10"});
  EXPECT_EQ(g.ScoreTable(1), 32);
  EXPECT_EQ(g.ScoreTable(2), 33);
}

TEST_F(ScoringFixture, ResultsCommandBeforeAnyDealShowsAnEmptyGrid) {
  MNU_RESULTS_Click(g);
  EXPECT_EQ(platform.resultsShown, 1);
  EXPECT_TRUE(lastShown().Loaded);
  EXPECT_EQ(lastShown().Grid1.size(), 16u);
  EXPECT_EQ(text(lastShown(), 1, 0), "1");
  EXPECT_EQ(text(lastShown(), 1, 1), "");
}

TEST_F(ScoringFixture, ResultsCommandTellsAMatchEndedByALoweredTarget) {
  endDealWorth(90, 40);
  g.winningPointsText = "51";
  MNU_RESULTS_Click(g);
  EXPECT_TRUE(lastShown().Label1Visible);
  EXPECT_EQ(verdictWords(lastShown().verdict), kWin);
  EXPECT_EQ(highlightedColumn(lastShown()), 1);
  EXPECT_EQ(g.ScoreTable(1), 0);
  EXPECT_EQ(g.RoundCount1, 0);
}

TEST_F(ScoringFixture, ALongMatchGrowsTheGridARowPerDeal) {
  g.winningPointsText = "601";
  for (int deal = 1; deal <= 16; ++deal) {
    endDealWorth(10, 20);
  }
  EXPECT_EQ(lastShown().Grid1.size(), 17u);
  EXPECT_EQ(text(lastShown(), 16, 0), "16");
  EXPECT_EQ(text(lastShown(), 16, 2), "320");
  EXPECT_EQ(lastShown().NewestRow, 16);

  endDealWorth(10, 300);  // deal 17 ends the match
  const ResultsWindowModel& end = lastShown();
  ASSERT_EQ(end.Grid1.size(), 18u);
  EXPECT_EQ(text(end, 17, 0), "17");
  EXPECT_EQ(text(end, 17, 1), "170");
  EXPECT_EQ(text(end, 17, 2), "620");
  EXPECT_EQ(end.NewestRow, 17);
  EXPECT_EQ(verdictWords(end.verdict), kLoss);
  for (int r = 1; r <= 17; ++r) {
    EXPECT_TRUE(yellow(end, r, 2)) << r;
  }
  EXPECT_EQ(g.RoundCount1, 0);

  endDealWorth(1, 2);
  EXPECT_EQ(lastShown().Grid1.size(), 16u);
}

TEST_F(ScoringFixture, NewDiscardsTheRowsButRemembersTheWindowWasShown) {
  endDealWorth(50, 20);
  unloadResultsWindow(g);
  EXPECT_FALSE(g.frm_results.Loaded);
  EXPECT_TRUE(g.frm_results.Grid1.empty());
  EXPECT_TRUE(g.frm_results.EverShown);
  MNU_RESULTS_Click(g);
  EXPECT_EQ(text(lastShown(), 1, 0), "1");
  EXPECT_EQ(text(lastShown(), 1, 1), "");
}

TEST_F(ScoringFixture, TheEndOfARealDealScoresItOnceAndDealsAgain) {
  g.DeckSize = 52;
  g.HandSize = 6;
  g.DealtCount = 52;
  g.TXT_NAME.Text = "0";
  setCounters({"2", "4", "30", "0", "3", "18"});
  newgame(g);
  EXPECT_EQ(platform.resultsShown, 1);
  EXPECT_EQ(g.RoundCount1, 1);
  EXPECT_EQ(g.ScoreTable(1), 9);
  EXPECT_EQ(g.ScoreTable(2), 3);
  EXPECT_EQ(text(lastShown(), 1, 1), "9");
  EXPECT_EQ(g.TXT_NAME.Text, "36");
  EXPECT_EQ(g.TXT_CARD(1).Text, "0");  // the next deal has begun
  EXPECT_EQ(g.DealtCount, 16);
}

}  // namespace
}  // namespace qorza

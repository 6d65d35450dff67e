// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics over whole scripted matches: deals, deal scores, Qorzas,
// wins, losses and streaks add up to what the results grid and the table
// showed, counted apart from the recorder.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/bounds.h"
#include "game/flow/deal.h"
#include "game/flow/statistics.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "support/fake_platform.h"
#include "support/table_fixture.h"

namespace qorza {
namespace {

using testing::FakePlatform;

// What one match showed, read from the table and the results as it went.
struct SeenMatch {
  int deals = 0;
  int scoreTotal = 0;
  int bestDeal = -1'000'000;
  int qorzas = 0;
  bool won = false;
};

struct StatisticsOverMatches : ::testing::Test {
  FakePlatform platform;
  Game g{platform};
  Statistics statistics;
  StatisticsRecorder recorder{statistics};
  SeenMatch seen;
  int previousScore = 0;
  int qorzaAtDealEnd = 0;  // player 1's next Qorza display when a deal ended
  bool matchOver = false;

  void SetUp() override {
    g.DelayMs = 0;
    g.rng.fixSeed(11);
    g.winningPointsText = "40";  // short matches
    platform.onResults = [this](Game& game) {
      recorder.resultsShowing(game);
      if (game.RoundCount1 > seen.deals) {
        seen.deals = game.RoundCount1;
        const int dealScore = game.ScoreTable(1) - previousScore;
        previousScore = game.ScoreTable(1);
        seen.scoreTotal += dealScore;
        seen.bestDeal = std::max(seen.bestDeal, dealScore);
        qorzaAtDealEnd = game.QorzaImgNext1;
      }
      if (game.frm_results.Label1Visible) {
        seen.won = game.ScoreTable(1) >= game.ScoreTable(2);
        matchOver = true;
      }
    };
    ASSERT_TRUE(applyNewGameOptions(g, {false, true, "Tester"}));
    mnu_new_Click(g);
    recorder.matchStarted(g);
  }

  int firstCard() const {
    for (int k = 1; k <= 6; ++k) {
      if (g.Player1(k).Visible) return k;
    }
    return 0;
  }

  // Plays player 1's first card until the match is decided. Each Qorza of
  // player 1 moves his next Qorza display on by one.
  SeenMatch playMatch() {
    seen = {};
    previousScore = 0;
    matchOver = false;
    while (!matchOver) {
      const int mark = g.QorzaImgNext1;
      const int deals = seen.deals;
      recorder.beforeTurn(g);
      Player1_Click(g, firstCard());
      recorder.afterTurn(g);
      const int now = seen.deals != deals ? qorzaAtDealEnd : g.QorzaImgNext1;
      seen.qorzas += now != mark ? 1 : 0;
    }
    return seen;
  }

  const VariantStatistics& figures() { return statistics[VariantKey{52, 6, 2}]; }
};

TEST_F(StatisticsOverMatches, OneMatchAddsUpToItsResultsGrid) {
  const SeenMatch m = playMatch();
  const VariantStatistics& s = figures();
  ASSERT_GT(m.deals, 1);
  EXPECT_EQ(s.dealsPlayed, m.deals);
  EXPECT_EQ(s.dealScoreTotal, m.scoreTotal);
  EXPECT_EQ(s.bestDealScore, m.bestDeal);
  EXPECT_EQ(s.qorzas, m.qorzas);
  EXPECT_EQ(s.matchesWon, m.won ? 1 : 0);
  EXPECT_EQ(s.matchesLost, m.won ? 0 : 1);
  // The results' OK deals the next match at once: it counts as played.
  EXPECT_EQ(s.matchesPlayed, 2);
  EXPECT_DOUBLE_EQ(s.averageDealScore(), static_cast<double>(m.scoreTotal) / m.deals);
}

TEST_F(StatisticsOverMatches, WinsAndLossesMakeTheLongestStreak) {
  int streak = 0, longest = 0, won = 0, lost = 0, deals = 0;
  for (int match = 0; match < 6; ++match) {
    const SeenMatch m = playMatch();
    deals += m.deals;
    streak = m.won ? streak + 1 : 0;
    longest = std::max(longest, streak);
    (m.won ? won : lost) += 1;
  }
  const VariantStatistics& s = figures();
  EXPECT_EQ(s.matchesWon, won);
  EXPECT_EQ(s.matchesLost, lost);
  EXPECT_EQ(s.longestStreak, longest);
  EXPECT_EQ(s.currentStreak, streak);
  EXPECT_EQ(s.dealsPlayed, deals);
  EXPECT_EQ(s.matchesPlayed, 7);
}

TEST_F(StatisticsOverMatches, AResumedMatchGoesOnCountingWhereItWas) {
  // Play into the second deal, then hand the match to a fresh recorder as a
  // resumed match would be.
  while (g.RoundCount1 < 1) {
    recorder.beforeTurn(g);
    Player1_Click(g, firstCard());
    recorder.afterTurn(g);
  }
  Statistics later;
  StatisticsRecorder resumed(later);
  resumed.matchResumed(g);
  const int scoreBefore = g.ScoreTable(1);
  platform.onResults = [&](Game& game) { resumed.resultsShowing(game); };
  while (g.RoundCount1 == 1) {
    resumed.beforeTurn(g);
    Player1_Click(g, firstCard());
    resumed.afterTurn(g);
  }
  const VariantStatistics& s = later[VariantKey{52, 6, 2}];
  EXPECT_EQ(s.matchesPlayed, 0);  // counted when it started
  EXPECT_EQ(s.dealsPlayed, 1);
  if (g.RoundCount1 == 2) {
    EXPECT_EQ(s.dealScoreTotal, g.ScoreTable(1) - scoreBefore);
  }
}

TEST_F(StatisticsOverMatches, AClickOnAnEmptyPlaceCountsNoQorzaAgain) {
  // Play until player 1 makes a Qorza, then click a place his hand has left.
  int empty = 0;
  while (!g.p1.QorzaMade || empty == 0) {
    recorder.beforeTurn(g);
    Player1_Click(g, firstCard());
    recorder.afterTurn(g);
    empty = 0;
    for (int k = g.HandSize; k >= 1 && empty == 0; --k) {
      if (!g.Player1(k).Visible) empty = k;
    }
    ASSERT_LT(g.RoundCount1, 30) << "no Qorza in thirty deals";
  }
  const int qorzas = figures().qorzas;
  recorder.beforeTurn(g);
  Player1_Click(g, empty);
  recorder.afterTurn(g);
  EXPECT_EQ(figures().qorzas, qorzas);
}

TEST(Statistics, HintsCountUnderTheVariantAndLevelInPlay) {
  FakePlatform platform;
  Game g{platform};
  Statistics statistics;
  StatisticsRecorder recorder{statistics};
  ASSERT_TRUE(applyNewGameOptions(g, {true, false, "Tester"}));
  g.SkillLevel = 3;
  recorder.hintUsed(g);
  recorder.hintUsed(g);
  EXPECT_EQ((statistics[VariantKey{44, 4, 3}].hintsUsed), 2);
  EXPECT_EQ(statistics.size(), 1u);
  EXPECT_EQ((VariantKey{44, 4, 3}.variantName()), "44/4");
}

// Counts at the top of their range stay there, and wins, streaks and the
// deal figures stay consistent with them: the file never holds what its
// reader refuses.
TEST_F(StatisticsOverMatches, CountsAtTheirTopStayThere) {
  const int top = bounds::kStatisticsCount.hi;
  VariantStatistics& s = statistics[VariantKey{52, 6, 2}];
  s = {top, top, 0, top, 5000, 50, top, top, top, top};
  const VariantStatistics full = s;
  recorder.matchStarted(g);
  recorder.hintUsed(g);
  playMatch();
  EXPECT_EQ(figures(), full);
}

// Each way player 1 makes a Qorza is counted once, as his Qorza display
// records it; a Jack that takes more than a lone Jack makes none.
TEST(StatisticsQorzas, EveryQorzaTheTableRecordsIsCounted) {
  struct Way {
    const char* name;
    std::vector<std::string> table;
    const char* played;
    int displayBefore;  // player 1's next Qorza display place
    bool lastCardOfTheDeal;
    int counted;
  };
  const std::vector<Way> ways = {
      {"an equal card clears the table", {"5H"}, "5S", 1, false, 1},
      {"a sum clears the table", {"2H", "3D"}, "5S", 2, false, 1},
      {"a Jack takes a lone Jack", {"JH"}, "JS", 1, false, 1},
      {"a Jack takes a lone Jack as the display's sixth", {"JH"}, "JS", 6, false, 1},
      {"a Jack takes a lone Jack with the deal's last card", {"JH"}, "JS", 1, true, 1},
      {"a capture clears the table with the deal's last card", {"9H"}, "9S", 3, true, 1},
      {"a Jack takes two cards", {"JH", "4D"}, "JS", 1, false, 0},
      {"a capture leaves a card", {"5H", "8D"}, "5S", 1, false, 0},
      {"a card laid on an empty table", {}, "5S", 1, false, 0},
  };
  for (const Way& w : ways) {
    SCOPED_TRACE(w.name);
    testing::FakePlatform platform;
    Game g{platform};
    g.DelayMs = 0;
    g.rng.fixSeed(3);
    ASSERT_TRUE(applyNewGameOptions(g, {false, true, "Tester"}));
    mnu_new_Click(g);
    Statistics statistics;
    StatisticsRecorder recorder{statistics};
    recorder.matchStarted(g);
    platform.onResults = [&](Game& game) { recorder.resultsShowing(game); };
    for (int i = 1; i <= 10; ++i) {
      g.game(i).Visible = i <= static_cast<int>(w.table.size());
      if (g.game(i).Visible) {
        g.game(i) = testing::cardFromText(w.table[static_cast<std::size_t>(i) - 1]);
        g.game(i).Visible = true;
      }
    }
    for (int k = 1; k <= 6; ++k) {
      g.Player1(k).Visible = g.Player2(k).Visible = false;
    }
    g.Player1(1) = testing::cardFromText(w.played);
    g.Player1(1).Visible = true;
    g.Player2(1) = testing::cardFromText("7C");  // takes none of what is left
    g.Player02(1).Picture = g.Player2(1).Picture;
    g.Player2(1).Visible = true;
    g.TurnInHand = g.HandSize - 1;
    g.DealtCount = w.lastCardOfTheDeal ? g.DeckSize : 16;
    g.QorzaImgNext1 = w.displayBefore;
    const int roundsBefore = g.RoundCount1;
    recorder.beforeTurn(g);
    Player1_Click(g, 1);
    recorder.afterTurn(g);
    EXPECT_EQ(g.RoundCount1 != roundsBefore, w.lastCardOfTheDeal);
    EXPECT_EQ((statistics[VariantKey{52, 6, 2}].qorzas), w.counted);
  }
}

}  // namespace
}  // namespace qorza

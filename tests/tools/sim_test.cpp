// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "game/new_game_options.h"
#include "tools/script/card_notation.h"
#include "tools/script/script_session.h"
#include "tools/sim/fuzz.h"
#include "tools/sim/invariants.h"
#include "tools/sim/report.h"
#include "tools/sim/self_play.h"
#include "tools/sim/sim_options.h"
#include "tools/sim/strategies.h"

namespace qorza::sim {
namespace {

// A game laid out by script lines on the simulator's platform.
struct Laid {
  SimPlatform platform;
  Game game{platform};
  std::ostringstream out;
  script::ScriptSession session{game, platform, out};

  explicit Laid(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
      session.execute(script::ScriptLine(line));
    }
  }
};

// The first hand of a 52/6 deal after two turns: 16 cards dealt, 5 taken.
const std::vector<std::string> kMidDeal = {"options 52 6 2",
                                           "seed 5",
                                           "deal",
                                           "table 5S 9D - KC",
                                           "hand1 - 4C 7H - QS 2S",
                                           "hand2 AD - 8C 3H JS -",
                                           "set TurnInHand 2",
                                           "set TXT_CARD1 3",
                                           "set TXT_CARD2 2"};

TEST(SimInvariants, AConsistentStatePasses) {
  Laid laid(kMidDeal);
  EXPECT_NO_THROW(checkBetweenTurns(laid.game));
}

TEST(SimInvariants, LostDoubledOrMislabelledCardsAreCaught) {
  {
    Laid laid(kMidDeal);
    laid.session.execute(script::ScriptLine("set TXT_CARD2 3"));  // one card too many
    EXPECT_THROW(checkAfterPlay(laid.game), InvariantError);
  }
  {
    Laid laid(kMidDeal);
    copyCard(laid.game.game(3), laid.game.Image1(*script::parseSlotCard("4C")));  // also in hand 1
    laid.game.game(3).Visible = true;
    laid.session.execute(script::ScriptLine("set TXT_CARD1 2"));
    EXPECT_THROW(checkAfterPlay(laid.game), InvariantError);
  }
  {
    Laid laid(kMidDeal);
    laid.game.game(1).Tag = "";  // a taken card's empty Tag left showing
    EXPECT_THROW(checkAfterPlay(laid.game), InvariantError);
  }
  for (const auto& [tag, mark] : std::vector<std::pair<std::string, std::string>>{
           {"6", ""}, {"05", ""}, {"5", "2"}, {"5", "10"}}) {
    Laid laid(kMidDeal);
    laid.game.game(1).Tag = tag;  // the five of spades with another rank or a mark
    laid.game.game(1).ToolTipText = mark;
    EXPECT_THROW(checkAfterPlay(laid.game), InvariantError) << tag << "|" << mark;
  }
  for (const char* picture : {"back", "spade_11", "spade_01", "heart_", "star_7", "heart_jacks"}) {
    Laid laid(kMidDeal);
    laid.game.game(1).Picture = picture;  // no card of the library shows this
    EXPECT_THROW(checkAfterPlay(laid.game), InvariantError) << picture;
  }
  for (const auto& [slot, picture] :
       std::vector<std::pair<int, std::string>>{{1, "spaed_5"}, {2, "diamomd_9"}}) {
    Laid laid(kMidDeal);
    laid.game.game(slot).Picture = picture;  // a card's name misspelt inside
    EXPECT_THROW(checkAfterPlay(laid.game), InvariantError) << picture;
  }
  {
    Laid laid(kMidDeal);
    laid.game.CardImgNext2 = 12;
    EXPECT_THROW(checkAfterPlay(laid.game), InvariantError);
  }
  {
    Laid laid(kMidDeal);
    laid.session.execute(script::ScriptLine("set TXT_NAME -12"));
    EXPECT_THROW(checkAfterPlay(laid.game), InvariantError);
  }
}

TEST(SimInvariants, HandsMustMatchTheTurn) {
  Laid laid(kMidDeal);
  laid.session.execute(script::ScriptLine("set TurnInHand 1"));
  EXPECT_NO_THROW(checkAfterPlay(laid.game));
  EXPECT_THROW(checkBetweenTurns(laid.game), InvariantError);
}

TEST(SimInvariants, DealEndCountsCardsAndPoints) {
  Laid laid({"options 52 6 2", "seed 5", "deal", "hand1", "hand2", "table 10D AS 7C",
             "set TXT_CARD1 30", "set TXT_CARD2 19", "set TXT_POINT1 6", "set TXT_POINT2 3"});
  EXPECT_NO_THROW(checkDealEnd(laid.game));  // 6 + 3 + 3 + 1 = 13
  laid.session.execute(script::ScriptLine("set TXT_POINT2 4"));
  EXPECT_THROW(checkDealEnd(laid.game), InvariantError);
  laid.session.execute(script::ScriptLine("set TXT_POINT2 3"));
  laid.session.execute(script::ScriptLine("set TXT_CARD2 18"));
  EXPECT_THROW(checkDealEnd(laid.game), InvariantError);
}

TEST(SimFuzz, RandomStatesAreLegalAndReproducible) {
  std::mt19937_64 rng(77);
  for (int i = 0; i < 300; ++i) {
    const FuzzCase c = randomState(rng);
    Laid laid(c.lines);
    ASSERT_NO_THROW(checkBetweenTurns(laid.game)) << ::testing::PrintToString(c.lines);
  }
  std::mt19937_64 a(5), b(5);
  EXPECT_EQ(randomState(a).lines, randomState(b).lines);
}

TEST(SimFuzz, ABrokenStateStopsWithAReplay) {
  SelfPlay play({52, 6, 2, Strategy::Random}, "101");
  std::vector<std::string> lines = kMidDeal;
  lines.push_back("set TXT_CARD2 3");  // one card more than were taken
  try {
    play.playFromState(lines, 1);
    FAIL() << "no failure";
  } catch (const SimFailure& failure) {
    const std::string text = failure.what();
    EXPECT_NE(text.find("not 52"), std::string::npos) << text;
    EXPECT_NE(text.find("replay with qorza-play:\noptions 52 6 2\nseed 5\n"), std::string::npos)
        << text;
  }
}

TEST(SimStrategies, LevelRulesPlayFromPlayerOnesSeat) {
  // On an empty table the level-1 rule lays the lowest card: the 3.
  Laid laid({"options 52 6 1", "seed 1", "deal", "table", "hand1 7C 3D 9H", "hand2 4S 5S 6S"});
  std::mt19937_64 rng(1);
  EXPECT_EQ(choosePosition(Strategy::Level1, laid.game, laid.platform, rng), 2);
  // Level 2 avoids a value the other hand holds: 3 and 7 are safe, 9 is not.
  laid.session.execute(script::ScriptLine("hand2 9S 5S 6S"));
  EXPECT_EQ(choosePosition(Strategy::Level2, laid.game, laid.platform, rng), 1);
  // The real game is untouched by the trials.
  EXPECT_TRUE(laid.game.Player1(1).Visible && laid.game.Player1(2).Visible);
  EXPECT_FALSE(laid.game.game(1).Visible);
}

TEST(SimStrategies, GreedyTakesAQorzaFirstThenTheMostCards) {
  Laid laid({"options 52 6 2", "seed 1", "deal", "table 2S 3S 4D", "hand1 JC 9H 5C 4H"});
  std::mt19937_64 rng(1);
  // The Jack takes three, the 9 takes all three as a Qorza: the 9.
  EXPECT_EQ(choosePosition(Strategy::Greedy, laid.game, laid.platform, rng), 2);
  laid.session.execute(script::ScriptLine("hand1 8C 7H KC"));
  // 8 takes nothing, 7 takes 3 + 4: the 7.
  EXPECT_EQ(choosePosition(Strategy::Greedy, laid.game, laid.platform, rng), 2);
  laid.session.execute(script::ScriptLine("table QD"));
  laid.session.execute(script::ScriptLine("hand1 JC 8C 6H"));
  // Nothing but the Jack takes: the Jack takes most.
  EXPECT_EQ(choosePosition(Strategy::Greedy, laid.game, laid.platform, rng), 1);
  laid.session.execute(script::ScriptLine("hand1 9C 8C 6H"));
  // Nothing takes: the lowest card.
  EXPECT_EQ(choosePosition(Strategy::Greedy, laid.game, laid.platform, rng), 3);
}

TEST(SimSelfPlay, WholeDealsKeepEveryInvariantAndRepeatBySeed) {
  for (const auto& [deck, hand] : {std::pair{52, 6}, std::pair{52, 4}, std::pair{44, 4}}) {
    SelfPlay first({deck, hand, 3, Strategy::Greedy}, "101");
    ASSERT_NO_THROW(first.playDeals(5, 9));
    EXPECT_EQ(first.tally().deals, 5);
    EXPECT_EQ(first.tally().games, 5);
    EXPECT_LE(first.tally().cards1 + first.tally().cards2, 5.0 * deck);
    EXPECT_LE(first.tally().points1 + first.tally().points2, 5 * 13.0);
    SelfPlay again({deck, hand, 3, Strategy::Greedy}, "101");
    again.playDeals(5, 9);
    EXPECT_EQ(first.signature(), again.signature());
    SelfPlay other({deck, hand, 3, Strategy::Greedy}, "101");
    other.playDeals(5, 10);
    EXPECT_NE(first.signature(), other.signature());
  }
}

TEST(SimSelfPlay, MatchesRunToTheirVerdict) {
  SelfPlay play({52, 6, 1, Strategy::Random}, "30");
  play.playMatches(2, 3);
  EXPECT_EQ(play.tally().games, 2);
  EXPECT_EQ(play.tally().wins1 + play.tally().wins2, 2);
  EXPECT_GE(play.tally().deals, 2);
}

TEST(SimSelfPlay, DealSeedsFitTheScriptsSeedCommand) {
  for (long deal = 0; deal < 1000; ++deal) {
    EXPECT_LE(dealSeed(12345, deal), 0x7fffffffu);
  }
  EXPECT_NE(dealSeed(1, 0), dealSeed(1, 1));
  EXPECT_NE(dealSeed(1, 0), dealSeed(2, 0));
}

TEST(SimReport, WilsonIntervals) {
  const Interval half = wilson95(50, 100);
  EXPECT_NEAR(half.low, 0.4038, 1e-3);
  EXPECT_NEAR(half.high, 0.5962, 1e-3);
  const Interval none = wilson95(0, 20);
  EXPECT_EQ(none.low, 0);
  EXPECT_NEAR(none.high, 0.1611, 1e-3);
}

TEST(SimOptions, CommandLine) {
  const auto all = parseSimOptions({"--variant", "all", "--level", "3", "--p1", "greedy"});
  EXPECT_TRUE(all.error.empty());
  EXPECT_EQ(all.options.pairings.size(), 3u);
  EXPECT_FALSE(parseSimOptions({"--deals", "x"}).error.empty());
  EXPECT_FALSE(parseSimOptions({"--p1", "clever"}).error.empty());
  EXPECT_FALSE(parseSimOptions({"--frobnicate"}).error.empty());
  const auto bench = parseSimOptions({"--bench", "--expect-signature", "18446744073709551615"});
  EXPECT_TRUE(bench.error.empty());
  EXPECT_EQ(bench.options.pairings.size(), 45u);
  EXPECT_EQ(*bench.options.expectSignature, 18446744073709551615ull);
}

// Counts past what a run can take, a value missing, an option twice or two
// that exclude each other: each is refused, none silently dropped.
TEST(SimOptions, RefusesWhatItCannotDo) {
  const std::vector<std::vector<std::string>> refused = {{"--deals", "18446744073709551615"},
                                                         {"--deals", "9223372036854775808"},
                                                         {"--deals", "0"},
                                                         {"--matches", "-3"},
                                                         {"--deals", "5", "--matches", "2"},
                                                         {"--deals", "5", "--deals", "6"},
                                                         {"--fuzz", "1000000001"},
                                                         {"--seed", "18446744073709551616"},
                                                         {"--target", "abc"},
                                                         {"--target", "0"},
                                                         {"--deals"},
                                                         {"--json", "--json"}};
  for (const auto& args : refused) {
    EXPECT_FALSE(parseSimOptions(args).error.empty()) << ::testing::PrintToString(args);
  }
  const auto most = parseSimOptions({"--deals", "1000000000", "--fuzz", "0", "--target", "250"});
  EXPECT_TRUE(most.error.empty()) << most.error;
  EXPECT_EQ(most.options.deals, 1000000000);
  EXPECT_EQ(most.options.target, "250");
}

}  // namespace
}  // namespace qorza::sim

// SPDX-License-Identifier: GPL-3.0-or-later
// Taking back a turn, over seeded matches in every variant and level: each
// turn taken back and played again gives the dumps of the run that never
// took one back, the deal's start comes back whole, nothing is taken back
// across a deal's end, and the statistics count the same Qorzas.
#include "game/flow/undo.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include "game/flow/deal.h"
#include "game/flow/hint.h"
#include "game/flow/statistics.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "game/saved_match.h"
#include "tools/script/state_dump.h"
#include "tools/sim/sim_platform.h"
#include "tools/sim/strategies.h"

namespace qorza {
namespace {

using sim::Strategy;

// A game set up as the simulator starts one, counting its statistics.
struct Table {
  sim::SimPlatform platform;
  Game game{platform};
  Statistics statistics;
  StatisticsRecorder recorder{statistics};
  UndoHistory history;

  Table(int deckSize, int handSize, int level) {
    platform.recordSounds = true;
    Form_Load(game, "./");
    applyStartupDefaults(game);
    game.DelayMs = 0;
    game.SkillLevel = level;
    game.winningPointsText = "41";
    applyNewGameOptions(game, {deckSize == 44, handSize == 6, "sim"});
    platform.onResults = [this](Game& g) { recorder.resultsShowing(g); };
  }

  void start(std::uint64_t seed) {
    game.rng.fixSeed(seed);
    mnu_new_Click(game);
    recorder.matchStarted(game);
    script::stateText(game, platform);  // the deal's sounds
  }

  // One turn at hand position k, as the table window plays it.
  std::string play(int k) {
    recorder.beforeTurn(game);
    history.beforeTurn(game);
    Player1_Click(game, k);
    history.afterTurn(game);
    recorder.afterTurn(game);
    return script::stateText(game, platform);
  }
  std::string turn(Strategy strategy, std::mt19937_64& rng) {
    return play(sim::choosePosition(strategy, game, platform, rng));
  }
  bool undo() {
    const bool done = history.undo(game);
    if (done) recorder.undoUsed(game);
    return done;
  }
};

struct Pairing {
  int deckSize;
  int handSize;
  int level;
  Strategy strategy;
};

std::vector<Pairing> allPairings() {
  const Strategy strategies[] = {Strategy::Greedy, Strategy::Random, Strategy::Level3};
  std::vector<Pairing> pairings;
  for (const auto& [deck, hand] : {std::pair{52, 6}, {52, 4}, {44, 4}}) {
    for (int level = 1; level <= 3; ++level) {
      pairings.push_back({deck, hand, level, strategies[pairings.size() % 3]});
    }
  }
  return pairings;
}

// A dump as a game that has shown no results window itself prints it.
std::string withoutResults(const std::string& dump) {
  nlohmann::ordered_json doc = nlohmann::ordered_json::parse(dump);
  doc["results"] = nullptr;
  return doc.dump();
}

// The hand position after k that holds a card, k itself when it is the only one.
int anotherCard(const Game& g, int k) {
  for (int step = 1; step <= 6; ++step) {
    const int other = (k - 1 + step) % 6 + 1;
    if (g.Player1(other).Visible) return other;
  }
  return k;
}

// Back to the deal's start on a copy of the game: every turn comes off, the
// deal's first position comes back whole, one more undo is refused, and
// another first card plays on as it would from that position saved.
void takeBackTheWholeDeal(const Table& t, const std::string& dealStart, const Pairing& p) {
  Table side(p.deckSize, p.handSize, p.level);
  side.game = Game(t.game, side.platform);
  side.history = t.history;
  const std::size_t turns = side.history.size();
  ASSERT_GT(turns, 0u);
  for (std::size_t i = 0; i < turns; ++i) ASSERT_TRUE(side.undo());
  ASSERT_EQ(saveMatch(side.game), dealStart);
  EXPECT_FALSE(side.history.canUndo(side.game));
  EXPECT_FALSE(side.undo());
  EXPECT_EQ(saveMatch(side.game), dealStart);

  Table fresh(52, 6, 2);
  ASSERT_TRUE(loadMatch(fresh.game, dealStart));
  int k = 1;
  while (!side.game.Player1(k).Visible) ++k;
  k = anotherCard(side.game, k);
  script::stateText(side.game, side.platform);
  EXPECT_EQ(withoutResults(side.play(k)), withoutResults(fresh.play(k)));
  EXPECT_EQ(saveMatch(side.game), saveMatch(fresh.game));
}

TEST(Undo, EveryTurnTakenBackAndPlayedAgainGivesTheUninterruptedRun) {
  std::uint64_t seed = 40;
  for (const Pairing& p : allPairings()) {
    SCOPED_TRACE(std::to_string(p.deckSize) + "/" + std::to_string(p.handSize) + " level " +
                 std::to_string(p.level) + " " + sim::strategyName(p.strategy));
    Table reference(p.deckSize, p.handSize, p.level);
    Table t(p.deckSize, p.handSize, p.level);
    reference.start(++seed);
    t.start(seed);
    std::mt19937_64 referenceRng(seed);
    std::mt19937_64 rng(seed);
    std::string dealStart = saveMatch(t.game);
    EXPECT_FALSE(t.undo());  // nothing played yet
    int undos = 0;
    int dealsTakenBack = 0;
    int rounds = 0;
    for (int i = 0; !(rounds > 0 && t.game.RoundCount1 == 0) && i < 2000; ++i) {
      SCOPED_TRACE("turn " + std::to_string(i));
      rounds = t.game.RoundCount1;
      const bool lastOfDeal = stockExhausted(t.game) && t.game.TurnInHand == t.game.HandSize - 1;
      if (lastOfDeal && dealsTakenBack++ < 2) {
        takeBackTheWholeDeal(t, dealStart, p);
      }
      const std::string before = saveMatch(t.game);
      const int hinted = i % 5 == 0 ? hintPosition(t.game) : 0;
      const std::mt19937_64 rngBefore = rng;
      const std::string expected = reference.turn(p.strategy, referenceRng);
      ASSERT_EQ(t.turn(p.strategy, rng), expected);
      if (lastOfDeal) {
        // The results have been shown and the next deal dealt: no way back.
        EXPECT_FALSE(t.undo());
        ASSERT_EQ(saveMatch(t.game), saveMatch(reference.game));
        dealStart = saveMatch(t.game);
        continue;
      }
      ASSERT_TRUE(t.undo());
      ++undos;
      ASSERT_EQ(saveMatch(t.game), before);
      if (hinted != 0) {
        EXPECT_EQ(hintPosition(t.game), hinted);  // the mark shows the same card again
      }
      if (i % 7 == 3) {
        // Saved and resumed after the undo, the match plays on the same.
        Table resumed(52, 6, 2);
        ASSERT_TRUE(loadMatch(resumed.game, saveMatch(t.game)));
        std::mt19937_64 resumedRng = rngBefore;
        EXPECT_EQ(withoutResults(resumed.turn(p.strategy, resumedRng)), withoutResults(expected));
      }
      rng = rngBefore;
      ASSERT_EQ(t.turn(p.strategy, rng), expected);
    }
    EXPECT_EQ(saveMatch(t.game), saveMatch(reference.game));
    // Counted as the uninterrupted match, apart from the undos.
    VariantStatistics counted = t.statistics[VariantKey::of(t.game)];
    EXPECT_EQ(counted.undosUsed, undos);
    EXPECT_GT(undos, 20);
    counted.undosUsed = 0;
    EXPECT_EQ(counted, reference.statistics[VariantKey::of(reference.game)]);
  }
}

TEST(Undo, SettingsChangedSinceTheTurnStayAsTheyAre) {
  Table t(52, 6, 2);
  t.start(3);
  std::mt19937_64 rng(3);
  const std::string before = saveMatch(t.game);
  t.turn(Strategy::Greedy, rng);
  t.game.SkillLevel = 3;
  t.game.PlayerName(1) = "سامي";
  t.game.lbl_n_player(1).Caption = "سامي";
  t.game.winningPointsText = "201";
  t.game.DelayMs = 900;
  t.game.SoundOn = false;
  t.game.chosenBack = "back-4";
  ASSERT_TRUE(t.undo());
  // The position before the turn, with the settings of now: the back chosen
  // since shows on the computer's cards as the options' OK turns them.
  Table expected(52, 6, 2);
  ASSERT_TRUE(loadMatch(expected.game, before));
  Game& e = expected.game;
  e.SkillLevel = 3;
  e.PlayerName(1) = e.lbl_n_player(1).Caption = "سامي";
  e.winningPointsText = "201";
  e.DelayMs = 900;
  e.SoundOn = false;
  e.chosenBack = e.STANSARD.Picture = e.img_latch(1).Picture = e.img_latch(2).Picture = "back-4";
  for (int k = 1; k <= 6; ++k) e.Player2(k).Picture = "back-4";
  EXPECT_EQ(saveMatch(t.game), saveMatch(e));
}

TEST(Undo, ANewMatchLeavesNothingToTakeBack) {
  Table t(52, 4, 1);
  t.start(8);
  t.play(1);
  ASSERT_TRUE(t.history.canUndo(t.game));
  mnu_new_real_Click(t.game);  // the dialog's OK: a new match, a new shuffle
  EXPECT_FALSE(t.history.canUndo(t.game));
  EXPECT_FALSE(t.undo());
  // A position with nothing in it plays nothing and keeps nothing.
  t.game.Player1(2).Visible = false;
  t.play(2);
  EXPECT_EQ(t.history.size(), 0u);
}

}  // namespace
}  // namespace qorza

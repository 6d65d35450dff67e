// SPDX-License-Identifier: GPL-3.0-or-later
// The hint: the card the computer's level-3 rules would play from player 1's
// seat, found without touching the game or the desktop.
#include "game/flow/hint.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "game/saved_match.h"
#include "rules/player2/player2_play.h"
#include "tools/sim/sim_platform.h"
#include "tools/sim/strategies.h"

namespace qorza {
namespace {

// A desktop that counts every call the game makes of it.
class CountingPlatform : public script::HeadlessPlatform {
 public:
  void doEvents() override { ++calls; }
  void sleepMs(int /*ms*/) override { ++calls; }
  void playSound(const std::string& /*path*/) override { ++calls; }
  bool runNewGameDialog(Game& game) override {
    ++calls;
    return HeadlessPlatform::runNewGameDialog(game);
  }
  void showResults(Game& game) override {
    ++calls;
    HeadlessPlatform::showResults(game);
  }
  int calls = 0;
};

// The seats exchanged by hand: a deliberate second writing of the hint's
// mirror, so that the two check each other.
int mirroredLevel3Choice(const Game& g) {
  sim::SimPlatform quiet;
  quiet.trying = true;
  Game m(g, quiet);
  for (int i = 1; i <= 6; ++i) {
    m.Player1(i) = g.Player2(i);
    m.Player1(i).Picture = g.Player02(i).Picture;
    m.Player2(i) = g.Player1(i);
    m.Player2(i).Picture = g.STANSARD.Picture;
    m.Player02(i).Picture = g.Player1(i).Picture;
    m.Player02(i).Visible = g.Player1(i).Visible;
  }
  m.SkillLevel = 3;
  H2_player2(m, 1);
  int first = 0;
  for (int k = 6; k >= 1; --k) {
    first = g.Player1(k).Visible ? k : first;
  }
  for (int k = 1; k <= 6; ++k) {
    if (g.Player1(k).Visible && !m.Player2(k).Visible) {
      return k;
    }
  }
  return first;
}

int randomShownPosition(const Game& g, std::mt19937& rng) {
  std::vector<int> shown;
  for (int k = 1; k <= 6; ++k) {
    if (g.Player1(k).Visible) {
      shown.push_back(k);
    }
  }
  return shown[std::uniform_int_distribution<std::size_t>(0, shown.size() - 1)(rng)];
}

// Seeded games of every variant and level, stopped before each turn of
// their first deals; the game's desktop counts what is asked of it.
template <typename Check>
void eachPosition(Check check) {
  for (const auto& [deck, hand] : {std::pair{52, 6}, {52, 4}, {44, 4}}) {
    for (int seed = 1; seed <= 6; ++seed) {
      CountingPlatform platform;
      Game g(platform);
      Form_Load(g, "./");
      applyStartupDefaults(g);
      g.SkillLevel = 1 + seed % 3;
      applyNewGameOptions(g, {deck == 44, hand == 6, "sim"});
      g.rng.fixSeed(static_cast<std::uint64_t>(seed));
      mnu_new_Click(g);
      std::mt19937 rng(static_cast<unsigned>(seed));
      for (int turn = 0; turn < 30; ++turn) {
        check(g, platform);
        Player1_Click(g, randomShownPosition(g, rng));
      }
    }
  }
}

TEST(Hint, NamesTheCardTheLevel3RulesPlayFromPlayer1sSeat) {
  int positions = 0;
  int notFirst = 0;  // positions where the rules pass over the first card
  eachPosition([&](const Game& g, CountingPlatform&) {
    const int hint = hintPosition(g);
    bool shownBefore = false;
    for (int k = 1; k < hint; ++k) {
      shownBefore = shownBefore || g.Player1(k).Visible;
    }
    notFirst += shownBefore ? 1 : 0;
    ASSERT_GE(hint, 1);
    ASSERT_TRUE(g.Player1(hint).Visible);
    EXPECT_EQ(hint, mirroredLevel3Choice(g));
    sim::SimPlatform simPlatform;
    std::mt19937_64 unused;
    EXPECT_EQ(hint, sim::choosePosition(sim::Strategy::Level3, g, simPlatform, unused));
    ++positions;
  });
  EXPECT_GT(positions, 400);
  EXPECT_GT(notFirst, positions / 4);
}

TEST(Hint, LeavesTheGameAndItsDesktopAlone) {
  eachPosition([&](const Game& g, CountingPlatform& platform) {
    const std::string before = saveMatch(g);
    const int callsBefore = platform.calls;
    hintPosition(g);
    ASSERT_EQ(saveMatch(g), before);
    ASSERT_EQ(platform.calls, callsBefore);  // no sound, pause, event or window
  });
}

TEST(Hint, NoCardNoHint) {
  CountingPlatform platform;
  Game g(platform);
  EXPECT_EQ(hintPosition(g), 0);
  g.Player1(4) = libraryCard(7);
  g.Player1(4).Visible = true;
  g.game(1) = libraryCard(8);
  g.game(1).Visible = true;
  EXPECT_EQ(hintPosition(g), 4);  // the only card
}

}  // namespace
}  // namespace qorza

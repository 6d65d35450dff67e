// SPDX-License-Identifier: GPL-3.0-or-later
// Whole deals against the computer at each level: every turn plays one card
// of each hand, and no card is lost or counted twice.
#include <gtest/gtest.h>

#include <tuple>

#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "game/numbers.h"
#include "support/fake_platform.h"

namespace qorza::testing {
namespace {

int showing(const auto& slots) {
  int n = 0;
  for (const auto& slot : slots) {
    n += slot.Visible ? 1 : 0;
  }
  return n;
}

// Cards on the table, in both hands and taken by either player.
int cardsInPlay(const Game& g) {
  return showing(g.game) + showing(g.Player1) + showing(g.Player2) +
         static_cast<int>(numberOf(g.TXT_CARD(1).Text) + numberOf(g.TXT_CARD(2).Text));
}

int firstCardInHand(const Game& g) {
  for (int i = 1; i <= g.HandSize; ++i) {
    if (g.Player1(i).Visible) {
      return i;
    }
  }
  return 0;
}

// level, seed, 44-card deck
class WholeDeal : public ::testing::TestWithParam<std::tuple<int, int, bool>> {};

TEST_P(WholeDeal, PlaysToItsEnd) {
  const auto [level, seed, homsi] = GetParam();
  FakePlatform platform;
  Game g{platform};
  g.DelayMs = 0;
  ASSERT_TRUE(applyNewGameOptions(g, {homsi, true, "Tester"}));
  g.SkillLevel = level;
  g.rng.fixSeed(static_cast<std::uint64_t>(seed));
  mnu_new_Click(g);
  double taken2 = 0;
  for (int turn = 0; g.RoundCount1 == 0; ++turn) {
    ASSERT_LT(turn, 30) << "the deal does not end";
    const int position = firstCardInHand(g);
    ASSERT_NE(position, 0);
    const int computerCards = showing(g.Player2);
    const int dealt = g.DealtCount;
    ASSERT_NO_THROW(Player1_Click(g, position));
    if (g.RoundCount1 != 0) {
      break;
    }
    if (g.DealtCount == dealt) {
      EXPECT_EQ(showing(g.Player2), computerCards - 1);
    }
    EXPECT_EQ(showing(g.Player2), showing(g.Player02));
    EXPECT_EQ(cardsInPlay(g), g.DealtCount) << "turn " << turn;
    EXPECT_LE(g.CardImgNext2, 11);
    taken2 = numberOf(g.TXT_CARD(2).Text);
  }
  EXPECT_EQ(g.RoundCount1, 1);
  EXPECT_GT(taken2, 0);
}

INSTANTIATE_TEST_SUITE_P(EachLevel, WholeDeal,
                         ::testing::Combine(::testing::Values(1, 2, 3), ::testing::Range(1, 9),
                                            ::testing::Bool()));

}  // namespace
}  // namespace qorza::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// The turn cycle: the guard on empty positions, the hand shut off during a
// turn, the stock counter after each hand, and the digit keys.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "support/fake_platform.h"

namespace qorza {
namespace {

using testing::FakePlatform;

// Library order as the deck: the opening table is A 2 3 4 of spades.
std::vector<int> unshuffledDeck() {
  std::vector<int> deck;
  for (int i = 1; i <= 52; ++i) {
    deck.push_back(i);
  }
  return deck;
}

// During the blinking of player 1's card: is the hand shut off, and what a
// digit key pressed then does.
class MidTurnPlatform : public FakePlatform {
 public:
  void doEvents() override {
    FakePlatform::doEvents();
    if (game == nullptr) {
      return;
    }
    bool anyEnabled = false;
    for (int i = 1; i <= game->HandSize; ++i) {
      anyEnabled = anyEnabled || game->Player1(i).Enabled;
    }
    handEnabledMidTurn = handEnabledMidTurn || anyEnabled;
    keysMidTurn = keysMidTurn || game->KeyPreview;
    Form_KeyDown(*game, '3', 0);
  }
  Game* game = nullptr;
  bool handEnabledMidTurn = false;
  bool keysMidTurn = false;
};

struct TurnCycle : ::testing::Test {
  MidTurnPlatform platform;
  Game g{platform};

  void startDeal(bool homsi, bool six) {
    g.DelayMs = 0;
    ASSERT_TRUE(applyNewGameOptions(g, {homsi, six, "Tester"}));
    g.presetDeck = unshuffledDeck();
    mnu_new_Click(g);
  }

  int firstCardInHand() const {
    for (int i = 1; i <= g.HandSize; ++i) {
      if (g.Player1(i).Visible) {
        return i;
      }
    }
    return 0;
  }

  // Plays a whole hand; the stock counter as the next deal finds it.
  std::string playHand() {
    std::optional<std::string> atResults;
    platform.onResults = [&](Game& game) { atResults = game.TXT_NAME.Text; };
    const int rounds = g.RoundCount1;
    for (int t = 1; t <= g.HandSize; ++t) {
      const int position = firstCardInHand();
      EXPECT_NE(position, 0);
      Player1_Click(g, position);
    }
    platform.onResults = nullptr;
    if (g.RoundCount1 != rounds) {
      ended = true;
    }
    return atResults.value_or(g.TXT_NAME.Text);
  }

  std::vector<std::string> stockAcrossTheDeal() {
    std::vector<std::string> seen{g.TXT_NAME.Text};
    ended = false;
    for (int hand = 1; hand <= 8 && !ended; ++hand) {
      seen.push_back(playHand());
    }
    return seen;
  }

  bool ended = false;
};

using Stock = std::vector<std::string>;

TEST_F(TurnCycle, StockCounterAcrossA52CardDealWithSixCards) {
  startDeal(false, true);
  EXPECT_EQ(stockAcrossTheDeal(), (Stock{"36", "24", "12", "0", "0"}));
  EXPECT_TRUE(ended);
  EXPECT_EQ(g.RoundCount1, 1);
}

TEST_F(TurnCycle, StockCounterAcross52And44CardDealsWithFourCards) {
  startDeal(false, false);
  EXPECT_EQ(stockAcrossTheDeal(), (Stock{"40", "32", "24", "16", "8", "0", "0"}));
  EXPECT_TRUE(ended);

  startDeal(true, false);
  EXPECT_EQ(stockAcrossTheDeal(), (Stock{"32", "24", "16", "8", "0", "0"}));
  EXPECT_TRUE(ended);
}

TEST_F(TurnCycle, EachTurnUsesOneCardAndHandsTheHandBack) {
  startDeal(false, true);
  Player1_Click(g, 3);
  EXPECT_EQ(g.TurnInHand, 1);
  EXPECT_FALSE(g.Player1(3).Visible);
  EXPECT_FALSE(g.Label1(3).Visible);
  EXPECT_TRUE(g.Label1(2).Visible);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_TRUE(g.Player1(i).Enabled);
  }
  EXPECT_TRUE(g.KeyPreview);
  EXPECT_EQ(g.TXT_NAME.Text, "36");
}

TEST_F(TurnCycle, EmptyPositionClickedTwiceChangesNothing) {
  startDeal(false, true);
  Player1_Click(g, 2);
  const std::string table = g.game(5).Tag;
  const auto pausesBefore = platform.pauses.size();
  for (int twice = 0; twice < 2; ++twice) {
    Player1_Click(g, 2);
    EXPECT_EQ(g.TurnInHand, 1);
    EXPECT_EQ(g.game(5).Tag, table);
    EXPECT_EQ(platform.pauses.size(), pausesBefore);
    EXPECT_TRUE(g.Player1(1).Visible);
  }
  // A position beyond a four-card hand is empty too.
  startDeal(false, false);
  Player1_Click(g, 6);
  EXPECT_EQ(g.TurnInHand, 0);
}

TEST_F(TurnCycle, HandAndKeysAreShutOffWhileTheCardBlinks) {
  startDeal(false, true);
  g.DelayMs = 300;
  platform.game = &g;
  Player1_Click(g, 1);
  platform.game = nullptr;
  EXPECT_FALSE(platform.handEnabledMidTurn);
  EXPECT_FALSE(platform.keysMidTurn);
  // The digit 3 pressed during the turn played nothing.
  EXPECT_EQ(g.TurnInHand, 1);
  EXPECT_TRUE(g.Player1(2).Visible);
  EXPECT_GE(platform.pauses.size(), 3u);
  EXPECT_EQ(platform.pauses[0], 300);
}

// Which hand position each key plays, on a fresh deal each time.
int positionPlayedBy(bool six, int keyCode, int shift = 0, bool keyPreview = true) {
  MidTurnPlatform platform;
  Game g{platform};
  g.DelayMs = 0;
  EXPECT_TRUE(applyNewGameOptions(g, {false, six, "Tester"}));
  g.presetDeck = unshuffledDeck();
  mnu_new_Click(g);
  g.KeyPreview = keyPreview;
  Form_KeyDown(g, keyCode, shift);
  for (int i = 1; i <= 6; ++i) {
    if (i <= g.HandSize && !g.Player1(i).Visible) {
      EXPECT_EQ(g.TurnInHand, 1);
      return i;
    }
  }
  EXPECT_EQ(g.TurnInHand, 0);
  return 0;
}

TEST(KeyboardPlay, DigitsFollowTheHintsOverTheHand) {
  const std::vector<int> six = {5, 1, 2, 3, 4, 6};
  const std::vector<int> four = {1, 2, 3, 4, 4, 0};
  for (int digit = 1; digit <= 6; ++digit) {
    const auto at = static_cast<std::size_t>(digit - 1);
    EXPECT_EQ(positionPlayedBy(true, '0' + digit), six[at]) << digit;
    EXPECT_EQ(positionPlayedBy(true, 96 + digit), six[at]) << "keypad " << digit;
    EXPECT_EQ(positionPlayedBy(false, '0' + digit), four[at]) << digit;
  }
  EXPECT_EQ(handPositionForDigit(6, 4), 6);  // no card there: the click ignores it
}

TEST(KeyboardPlay, OtherKeysShiftAndTurnsInProgressAreIgnored) {
  EXPECT_EQ(positionPlayedBy(true, '2', 1), 0);  // Shift+2
  EXPECT_EQ(positionPlayedBy(true, '2', 2), 0);  // Ctrl+2
  EXPECT_EQ(positionPlayedBy(true, '2', 0, false), 0);
  for (int key : std::vector<int>{'0', '7', 'A', 96, 103, 48 + 256}) {
    EXPECT_EQ(positionPlayedBy(true, key), 0) << key;
  }
}

}  // namespace
}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// How the played card leaves the hand: the blinking and its pauses, and the
// snapshot of the table the play works from.
#include "support/player1_test_table.h"

namespace qorza::testing {
namespace {

// Records, at each chance for events, whether hand position 1 shows.
class BlinkWatcher : public FakePlatform {
 public:
  void doEvents() override {
    FakePlatform::doEvents();
    if (game != nullptr) {
      shown.push_back(game->Player1(1).Visible);
    }
  }
  Game* game = nullptr;
  std::vector<bool> shown;
};

TEST(HideHandCard, BlinksThreeTimesWithPausesAndEndsHidden) {
  BlinkWatcher platform;
  Game g{platform};
  platform.game = &g;
  g.DelayMs = 300;
  g.Player1(1) = cardFromText("7H");
  g.Player1(1).Visible = true;
  HideHandCard(g, 1);
  EXPECT_EQ(platform.shown, (std::vector<bool>{false, true, false}));
  EXPECT_EQ(platform.pauses, (std::vector<int>{300, 300, 300}));
  EXPECT_FALSE(g.Player1(1).Visible);
}

TEST(HideHandCard, NoPauseHidesAtOnce) {
  for (int delay : {0, -5}) {
    FakePlatform platform;
    Game g{platform};
    g.DelayMs = delay;
    g.Player1(2).Visible = true;
    HideHandCard(g, 2);
    EXPECT_FALSE(g.Player1(2).Visible);
    EXPECT_TRUE(platform.pauses.empty());
    EXPECT_EQ(platform.eventRuns, 0);
  }
}

using Player1Play = Player1Table;

// A whole play pauses only while the card blinks, whatever it takes.
TEST_F(Player1Play, OnePlayPausesThreeTimes) {
  g.DelayMs = 300;
  table({"5S", "2H", "3D", "AS"});
  play("5H");
  EXPECT_EQ(platform.pauses, (std::vector<int>{300, 300, 300}));
  EXPECT_EQ(platform.eventRuns, 3);
  EXPECT_EQ(tableShows(), (Cards{"AS"}));
}

TEST_F(Player1Play, SnapshotListsShowingCardsInSlotOrder) {
  table({"", "9S", "", "KD", "AS"});
  ReadTable(g);
  EXPECT_EQ(g.p1.TableCount, 3);
  EXPECT_EQ(g.p1.TableSlot(1), 2);
  EXPECT_EQ(g.p1.TableSlot(2), 4);
  EXPECT_EQ(g.p1.TableSlot(3), 5);
  EXPECT_EQ(g.p1.TableValue(2), 13);
  EXPECT_FALSE(g.p1.TableWasEmpty);

  table({});
  ReadTable(g);
  EXPECT_EQ(g.p1.TableCount, 0);
  EXPECT_TRUE(g.p1.TableWasEmpty);
}

// Every flag of the previous play is cleared at the start of the next.
TEST_F(Player1Play, FlagsAreRewrittenByEveryPlay) {
  table({"AS", "5H"});
  play("AH");
  EXPECT_TRUE(g.p1.AceSoundDue);
  EXPECT_TRUE(g.p1.EqualTaken);
  table({"9S"});
  play("3H");
  EXPECT_FALSE(g.p1.AceSoundDue);
  EXPECT_FALSE(g.p1.EqualTaken);
  EXPECT_EQ(g.p1.PlayedValue, 3);
  EXPECT_EQ(tableShows(), (Cards{"9S", "3H"}));
  EXPECT_EQ(sounds(), (Sounds{"ONE.wav", "ONE.wav"}));
}

}  // namespace
}  // namespace qorza::testing

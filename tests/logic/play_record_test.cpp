// SPDX-License-Identifier: GPL-3.0-or-later
// The record of each play over whole shuffled deals of every variant: each
// record accounts for the table's change, the points and the Qorzas the
// counters show, and the deal's list starts again with the next deal.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/flow/deal.h"
#include "game/flow/play_record.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "game/numbers.h"
#include "support/fake_platform.h"

namespace qorza {
namespace {

using Faces = std::vector<CardFace>;

bool sameFace(const CardFace& a, const CardFace& b) { return a.suit == b.suit && a.rank == b.rank; }

Faces sorted(Faces faces) {
  std::sort(faces.begin(), faces.end(), [](const CardFace& a, const CardFace& b) {
    return libraryIndex(a.suit, a.rank) < libraryIndex(b.suit, b.rank);
  });
  return faces;
}

bool sameFaces(const Faces& a, const Faces& b) {
  const Faces x = sorted(a);
  const Faces y = sorted(b);
  return std::equal(x.begin(), x.end(), y.begin(), y.end(), sameFace);
}

Faces tableOf(const Game& g) {
  Faces faces;
  for (int i = 1; i <= 10; ++i) {
    if (g.game(i).Visible) faces.push_back(*faceOfPicture(g.game(i).Picture));
  }
  return faces;
}

// The table after a play, from the record alone.
Faces applied(Faces table, const PlayRecord& r) {
  if (r.taken.empty()) {
    table.push_back(r.played);
    return table;
  }
  for (const CardFace& t : r.taken) {
    table.erase(std::find_if(table.begin(), table.end(),
                             [&](const CardFace& f) { return sameFace(f, t); }));
  }
  return table;
}

double pointsOf(const CardFace& f) {
  if (f.rank == 1 || f.rank == 11) return 1;
  if (f.rank == 2 && f.suit == Suit::Clubs) return 2;
  if (f.rank == 10 && f.suit == Suit::Diamonds) return 3;
  return 0;
}

TEST(PlayRecord, AccountsForEveryPlayOfWholeDeals) {
  for (int variant = 0; variant < 3; ++variant) {
    for (int seed = 1; seed <= 8; ++seed) {
      SCOPED_TRACE(::testing::Message() << "variant " << variant << " seed " << seed);
      testing::FakePlatform platform;
      Game g{platform};
      g.DelayMs = 0;
      ASSERT_TRUE(applyNewGameOptions(g, {variant == 2, variant == 0, "Tester"}));
      g.rng.fixSeed(static_cast<unsigned>(seed * 31 + variant));
      mnu_new_Click(g);
      PlayLog log;
      bool dealOver = false;
      platform.onResults = [&](Game&) { dealOver = true; };
      for (int turn = 0; !dealOver; ++turn) {
        ASSERT_LT(turn, 30);
        int position = 0;  // a different hand card each time
        for (int k = g.HandSize; k >= 1 && position == 0; --k) {
          const int i = (k + turn) % g.HandSize + 1;
          if (g.Player1(i).Visible) position = i;
        }
        ASSERT_NE(position, 0);
        const CardFace card = *faceOfPicture(g.Player1(position).Picture);
        const Faces table = tableOf(g);
        Player1_Click(g, position, &log);
        const PlayRecord& mine = *log.lastPlay(1);
        const PlayRecord& theirs = *log.lastPlay(2);
        EXPECT_TRUE(sameFace(mine.played, card));
        EXPECT_EQ(mine.player, 1);
        EXPECT_EQ(theirs.player, 2);
        for (const PlayRecord* r : {&mine, &theirs}) {
          double expected = 0;
          if (!r->taken.empty()) {
            expected = pointsOf(r->played);
            for (const CardFace& t : r->taken) expected += pointsOf(t);
          }
          EXPECT_EQ(r->points, expected);
        }
        const Faces afterMine = applied(table, mine);
        // A Qorza clears the table.
        EXPECT_TRUE(mine.qorzaWorth == 0 || afterMine.empty());
        const Faces afterTheirs = applied(afterMine, theirs);
        EXPECT_TRUE(theirs.qorzaWorth == 0 || afterTheirs.empty());
        if (dealOver) {
          EXPECT_TRUE(log.dealPlays(g).empty());  // the next deal is on the table
          break;
        }
        EXPECT_TRUE(sameFaces(afterTheirs, tableOf(g)));
        const std::vector<PlayRecord> plays = log.dealPlays(g);
        ASSERT_EQ(plays.size(), 2u * static_cast<unsigned>(turn + 1));
        EXPECT_TRUE(sameFace(plays.back().played, theirs.played));
        EXPECT_TRUE(sameFace(plays[plays.size() - 2].played, mine.played));
        for (int p = 1; p <= 2; ++p) {
          double qorza = 0;
          double points = 0;
          for (const PlayRecord& r : plays) {
            if (r.player == p) {
              qorza += r.qorzaWorth;
              points += r.points;
            }
          }
          EXPECT_EQ(qorza, numberOf(g.txt_qorza(p).Text));
          EXPECT_EQ(points, numberOf(g.TXT_POINT(p).Text));
        }
      }
    }
  }
}

// Taking back turns one by one gives the deal's list as it stood before each,
// and each player's last play the one before.
TEST(PlayRecord, TakingBackTurnsLeavesTheEarlierPlays) {
  testing::FakePlatform platform;
  Game g{platform};
  g.DelayMs = 0;
  ASSERT_TRUE(applyNewGameOptions(g, {false, true, "Tester"}));
  g.rng.fixSeed(7);
  mnu_new_Click(g);
  PlayLog log;
  std::vector<std::vector<PlayRecord>> lists{{}};
  for (int turn = 0; turn < 5; ++turn) {
    for (int k = 1; k <= g.HandSize; ++k) {
      if (g.Player1(k).Visible) {
        Player1_Click(g, k, &log);
        break;
      }
    }
    lists.push_back(log.dealPlays(g));
  }
  for (std::size_t n = lists.size() - 1; n > 0; --n) {
    log.takeBackTurn();
    const std::vector<PlayRecord>& before = lists[n - 1];
    const std::vector<PlayRecord> now = log.dealPlays(g);
    ASSERT_EQ(now.size(), before.size());
    for (std::size_t i = 0; i < now.size(); ++i) {
      EXPECT_TRUE(sameFace(now[i].played, before[i].played));
    }
    for (int p = 1; p <= 2; ++p) {
      const std::optional<PlayRecord>& last = log.lastPlay(p);
      ASSERT_EQ(last.has_value(), !before.empty());
      if (last) {
        EXPECT_TRUE(sameFace(last->played, before[before.size() - (p == 1 ? 2 : 1)].played));
      }
    }
  }
}

}  // namespace
}  // namespace qorza

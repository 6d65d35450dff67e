// SPDX-License-Identifier: GPL-3.0-or-later
// The expert chooses from what its seat sees: exchanging unseen cards
// between the other hand and the stock never changes its card, from either
// seat (player 2's play, player 1's hint).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>

#include "rules/compact/position.h"
#include "rules/expert/expert_turn.h"
#include "support/compact_layout.h"
#include "support/fake_platform.h"

namespace qorza {
namespace {

// Exchanges a random card of the other hand with a random undealt stock
// card, faces and all; false when either has none.
bool exchangeUnseen(Game& g, int seat, std::mt19937_64& rng) {
  std::vector<int> held;
  for (int i = 1; i <= g.HandSize; ++i) {
    if ((seat == 2 ? g.Player1(i) : g.Player2(i)).Visible) held.push_back(i);
  }
  const int undealt = g.DeckSize - g.DealtCount;
  if (held.empty() || undealt <= 0) return false;
  const int h = held[rng() % held.size()];
  const int s = g.DealtCount + 1 + static_cast<int>(rng() % static_cast<unsigned>(undealt));
  CardSlot& stock = g.card(s);
  if (seat == 2) {
    std::swap(g.Player1(h).Picture, stock.Picture);
    std::swap(g.Player1(h).Tag, stock.Tag);
    std::swap(g.Player1(h).ToolTipText, stock.ToolTipText);
  } else {
    CardSlot face = g.Player2(h);  // Tag and mark; the face picture is in Player02
    face.Picture = g.Player02(h).Picture;
    g.Player02(h).Picture = stock.Picture;
    g.Player2(h).Tag = stock.Tag;
    g.Player2(h).ToolTipText = stock.ToolTipText;
    stock.Picture = face.Picture;
    stock.Tag = face.Tag;
    stock.ToolTipText = face.ToolTipText;
  }
  return true;
}

TEST(Expert, NeverChangesItsCardWhenTheUnseenCardsChangePlaces) {
  std::mt19937_64 rng(4242);
  testing::FakePlatform platform;
  Game g(platform);
  g.DelayMs = 0;
  int tried = 0;
  for (int n = 0; n < 400 && tried < 150; ++n) {
    const compact::Position p = testing::randomPosition(rng);
    const int seat = p.toMove() + 1;
    testing::layOut(g, p);
    auto choice = [&] { return seat == 2 ? expertSlot(g) : expertHintPosition(g); };
    const int before = choice();
    int exchanges = 0;
    for (int k = 0; k < 3; ++k) exchanges += exchangeUnseen(g, seat, rng) ? 1 : 0;
    if (exchanges == 0) continue;
    ++tried;
    EXPECT_EQ(choice(), before) << "position " << n << ", seat " << seat;
  }
  EXPECT_GE(tried, 100);
}

}  // namespace
}  // namespace qorza

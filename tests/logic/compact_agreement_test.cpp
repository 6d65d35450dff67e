// SPDX-License-Identifier: GPL-3.0-or-later
// The compact rules against the slot model: on many random positions one
// card of either player is played both ways, and the cards taken, the
// points, the Qorza worth, the table left and the sounds must agree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "game/numbers.h"
#include "rules/compact/from_game.h"
#include "rules/compact/position.h"
#include "rules/player1/player1_play.h"
#include "rules/player2/player2_play.h"
#include "support/compact_layout.h"
#include "support/fake_platform.h"

namespace qorza {
namespace {

using compact::Position;
using compact::Sound;

std::string soundFile(Sound s) {
  switch (s) {
    case Sound::Ace:
      return "ONE.wav";
    case Sound::Two:
      return "TWO.wav";
    case Sound::Ten:
      return "TEN.wav";
    case Sound::JackTakes:
      return "WIN_MAN.wav";
    case Sound::JackOnEmpty:
      return "BORN_MAN.wav";
    case Sound::Qorza:
      return "QORZA.wav";
  }
  return "?";
}

// The positions to try: QORZA_AGREEMENT_POSITIONS overrides the count.
long positionCount() {
  const char* wanted = std::getenv("QORZA_AGREEMENT_POSITIONS");
  return wanted != nullptr ? std::atol(wanted) : 100000;
}

TEST(CompactRules, AgreeWithTheSlotModelOnRandomPositions) {
  std::mt19937_64 rng(20261209);
  testing::FakePlatform platform;
  Game g(platform);
  g.DelayMs = 0;
  g.SoundFolder = "";
  const long count = positionCount();
  for (long n = 0; n < count; ++n) {
    const Position start = testing::randomPosition(rng);
    const int player = start.handCount(0) == 0 ? 1 : static_cast<int>(rng() % 2);
    const auto& hand = start.hands[static_cast<std::size_t>(player)];
    int slot = -1;
    while (slot < 0 || hand[static_cast<std::size_t>(slot)] == 0) {
      slot = static_cast<int>(rng() % static_cast<unsigned>(start.handSize));
    }
    testing::layOut(g, start);
    platform.sounds.clear();
    Position compactAfter = start;
    compact::PlayEffects fx;
    if (player == 0) {
      H1_player1(g, slot + 1);
      compact::playPlayer1(compactAfter, slot, &fx);
    } else {
      playChosenCard(g, slot + 1);
      compact::playPlayer2(compactAfter, slot, &fx);
    }
    const Position slotAfter = compact::positionOf(g);
    std::vector<std::string> sounds;
    for (int i = 0; i < fx.soundCount; ++i)
      sounds.push_back(soundFile(fx.sounds[static_cast<std::size_t>(i)]));
    const std::string where =
        "position " + std::to_string(n) + ", player " + std::to_string(player + 1);
    ASSERT_EQ(compactAfter.table, slotAfter.table) << where;
    ASSERT_EQ(compactAfter.hands, slotAfter.hands) << where;
    ASSERT_EQ(compactAfter.cards, slotAfter.cards) << where;
    ASSERT_EQ(compactAfter.points, slotAfter.points) << where;
    ASSERT_EQ(compactAfter.qorzaHalves, slotAfter.qorzaHalves) << where;
    ASSERT_EQ(sounds, platform.soundFiles()) << where;
  }
}

}  // namespace
}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/expert/observation.h"

#include <algorithm>
#include <cmath>

#include "game/game_state.h"
#include "game/numbers.h"
#include "rules/compact/from_game.h"

namespace qorza::expert {

int Observation::otherCount() const {
  int n = 0;
  for (const bool holds : otherHolds) n += holds ? 1 : 0;
  return n;
}

Observation observe(const Game& g, int seat) {
  Observation o;
  o.seat = seat;
  o.position = compact::publicPart(g);
  const auto& own = seat == 1 ? g.Player1 : g.Player2;
  const auto& other = seat == 1 ? g.Player2 : g.Player1;
  // Cards still out of sight: the other hand and the undealt stock. Only
  // their union is kept, which the seat knows by counting the cards it saw.
  std::array<bool, compact::kDeckCards + 1> hidden{};
  for (int i = 1; i <= g.HandSize; ++i) {
    const auto at = static_cast<std::size_t>(i - 1);
    if (own(i).Visible) {
      CardSlot face = own(i);
      if (seat == 2) {
        face.Picture = g.Player02(i).Picture;
      }
      o.position.hands[static_cast<std::size_t>(o.me())][at] = compact::cardIdOf(face);
    }
    if (other(i).Visible) {
      o.otherHolds[at] = true;
      CardSlot face = other(i);
      if (seat == 1) {
        face.Picture = g.Player02(i).Picture;
      }
      hidden[compact::cardIdOf(face)] = true;
    }
  }
  for (int i = g.DealtCount + 1; i <= g.DeckSize; ++i) {
    hidden[compact::cardIdOf(g.card(i))] = true;
  }
  for (int id = 1; id <= compact::kDeckCards; ++id) {
    if (hidden[static_cast<std::size_t>(id)]) {
      o.unseen[static_cast<std::size_t>(o.unseenCount++)] = static_cast<compact::CardId>(id);
    }
  }
  o.scores = {g.ScoreTable(1), g.ScoreTable(2)};
  o.target = static_cast<int>(std::lround(std::clamp(numberOf(g.winningPointsText), 0.0, 1e6)));
  return o;
}

std::uint64_t fingerprint(const Observation& o) {
  std::uint64_t h = 1469598103934665603ull;
  auto mix = [&h](std::uint64_t v) {
    h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    h *= 1099511628211ull;
  };
  const compact::Position& p = o.position;
  mix(static_cast<std::uint64_t>(o.seat));
  mix(static_cast<std::uint64_t>(p.dealtCount));
  for (const auto id : p.table) mix(id);
  for (const auto& hand : p.hands) {
    for (const auto id : hand) mix(id);
  }
  for (int i = 0; i < 2; ++i) {
    mix(static_cast<std::uint64_t>(p.cards[static_cast<std::size_t>(i)]));
    mix(static_cast<std::uint64_t>(p.points[static_cast<std::size_t>(i)]));
    mix(static_cast<std::uint64_t>(p.qorzaHalves[static_cast<std::size_t>(i)]));
  }
  for (int i = 0; i < o.unseenCount; ++i) mix(o.unseen[static_cast<std::size_t>(i)]);
  return h;
}

}  // namespace qorza::expert

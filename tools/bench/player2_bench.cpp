// SPDX-License-Identifier: GPL-3.0-or-later
// One computer turn at the strongest level, on a state where nothing can be
// taken so the look-ahead against player 1's hand runs.
#include <benchmark/benchmark.h>

#include <string_view>

#include "game/card_library.h"
#include "game/game_state.h"
#include "rules/player2/player2_play.h"
#include "tools/script/headless_platform.h"

namespace {

using qorza::CardSlot;
using qorza::Game;

CardSlot cardOf(std::string_view text) {
  const auto face = qorza::parseCardText(text);
  CardSlot card = qorza::libraryCard(qorza::libraryIndex(face->suit, face->rank));
  card.Visible = true;
  return card;
}

// Nine table cards of 6 to 9: no low card of either hand equals one, and
// every sum of two is past ten. Six cards a hand, no Jack, Queen or King.
void setUpNoCaptureTurn(Game& g) {
  g.DelayMs = 0;
  g.SoundOn = false;
  g.HandSize = 6;
  g.SkillLevel = 3;
  for (int p = 1; p <= 2; ++p) {
    g.TXT_CARD(p).Text = "0";
    g.TXT_POINT(p).Text = "0";
    g.txt_qorza(p).Text = "0";
  }
  int s = 1;
  for (auto text : {"6S", "6H", "7S", "7H", "8S", "8H", "9S", "9H", "9D"}) {
    g.game(s++) = cardOf(text);
  }
  s = 1;
  for (auto text : {"AC", "2H", "3D", "4C", "5C", "10H"}) {
    const CardSlot card = cardOf(text);
    g.Player2(s) = card;
    g.Player2(s).Picture = qorza::kDeckBack;
    g.Player02(s).Picture = card.Picture;
    g.Player02(s).Visible = true;
    ++s;
  }
  s = 1;
  for (auto text : {"AD", "2S", "3S", "4S", "5S", "10S"}) {
    g.Player1(s++) = cardOf(text);
  }
}

void restoreTurn(Game& g, const Game& start) {
  g.game = start.game;
  g.Player2 = start.Player2;
  g.Player02 = start.Player02;
}

void BM_Player2TurnLevel3LookAhead(benchmark::State& state) {
  qorza::script::HeadlessPlatform platform;
  Game g{platform};
  setUpNoCaptureTurn(g);
  const Game start = g;
  qorza::H2_player2(g, 1);
  if (g.game(10).Tag != "1" || g.p1.PlayedValue != 10) {
    state.SkipWithError("the turn did not reach the look-ahead");
    return;
  }
  restoreTurn(g, start);
  for (auto _ : state) {
    qorza::H2_player2(g, 1);
    benchmark::DoNotOptimize(g.game(10).Visible);
    restoreTurn(g, start);
  }
}
BENCHMARK(BM_Player2TurnLevel3LookAhead);

// The restore alone, to read the turn's own share off the figure above.
void BM_Player2TurnRestoreOnly(benchmark::State& state) {
  qorza::script::HeadlessPlatform platform;
  Game g{platform};
  setUpNoCaptureTurn(g);
  const Game start = g;
  for (auto _ : state) {
    restoreTurn(g, start);
    benchmark::DoNotOptimize(g.game(10).Visible);
  }
}
BENCHMARK(BM_Player2TurnRestoreOnly);

}  // namespace

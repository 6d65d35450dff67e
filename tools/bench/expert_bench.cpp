// SPDX-License-Identifier: GPL-3.0-or-later
// The expert's cost: one whole decision at the game's budget on the first
// turn of a six-card deal (the most cards still unseen), and one play-out of
// a deal from that turn by the quick rules.
#include <benchmark/benchmark.h>

#include "game/flow/deal.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "rules/compact/from_game.h"
#include "rules/expert/observation.h"
#include "rules/expert/play_out.h"
#include "rules/expert/search.h"
#include "rules/player1/player1_play.h"
#include "tools/script/headless_platform.h"

namespace {

using qorza::Game;

// A fresh 52-card deal with six-card hands, player 1's first card played:
// player 2 to answer.
void setUpFirstAnswer(Game& g) {
  qorza::Form_Load(g, "./");
  qorza::applyStartupDefaults(g);
  g.DelayMs = 0;
  g.SoundOn = false;
  qorza::applyNewGameOptions(g, {false, true, "bench"});
  g.rng.fixSeed(12345);
  qorza::mnu_new_Click(g);
  g.TurnInHand = 1;
  qorza::H1_player1(g, 1);
}

void BM_ExpertDecision(benchmark::State& state) {
  qorza::script::HeadlessPlatform platform;
  Game g(platform);
  setUpFirstAnswer(g);
  const qorza::expert::Observation seen = qorza::expert::observe(g, 2);
  for (auto _ : state) {
    benchmark::DoNotOptimize(qorza::expert::choose(seen, qorza::expert::kGameBudget, 7).slot);
  }
}
BENCHMARK(BM_ExpertDecision)->Unit(benchmark::kMillisecond);

void BM_ExpertPlayOut(benchmark::State& state) {
  qorza::script::HeadlessPlatform platform;
  Game g(platform);
  setUpFirstAnswer(g);
  const qorza::expert::Observation seen = qorza::expert::observe(g, 2);
  // The true deal, as one sample of the unseen cards would give it.
  const qorza::compact::Position start = qorza::compact::positionOf(g);
  const qorza::expert::Choice first = qorza::expert::choose(seen, {1}, 7);
  for (auto _ : state) {
    qorza::compact::Position p = start;
    qorza::expert::playFor(p, 1, first.slot);
    qorza::expert::playOut(p);
    benchmark::DoNotOptimize(p.cards);
  }
}
BENCHMARK(BM_ExpertPlayOut)->Unit(benchmark::kMicrosecond);

}  // namespace

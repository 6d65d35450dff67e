// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/strategies.h"

#include <array>
#include <vector>

#include "game/card_values.h"
#include "game/flow/hint.h"
#include "game/game_state.h"
#include "game/numbers.h"
#include "rules/expert/expert_turn.h"
#include "rules/player1/player1_play.h"
#include "tools/sim/sim_platform.h"

namespace qorza::sim {

namespace {

constexpr std::array<std::string_view, 6> kNames = {"random", "greedy", "level1",
                                                    "level2", "level3", "level4"};

std::vector<int> shownPositions(const Game& g) {
  std::vector<int> positions;
  for (int i = 1; i <= 6; ++i) {
    if (g.Player1(i).Visible) {
      positions.push_back(i);
    }
  }
  return positions;
}

int randomPosition(const std::vector<int>& positions, std::mt19937_64& rng) {
  std::uniform_int_distribution<std::size_t> pick(0, positions.size() - 1);
  return positions[pick(rng)];
}

// No card takes anything: the lowest that is not a Jack, else the first.
int lowestNonJack(const Game& g, const std::vector<int>& positions) {
  int best = positions.front();
  int bestValue = 99;
  for (const int k : positions) {
    const int v = valueOf(g.Player1(k));
    if (v != kJack && v < bestValue) {
      best = k;
      bestValue = v;
    }
  }
  return best;
}

// Tries every card with player 1's own rules: a Qorza first, then the most
// cards taken (the first on a tie), then the lowest card that is not a Jack.
int greedyPosition(const Game& g, const std::vector<int>& positions) {
  int best = 0;
  long long bestTaken = 0;
  Game& trial = playTrial(g);
  for (const int k : positions) {
    if (k != positions.front()) {
      undoPlayer1Trial(trial, g);
    }
    H1_player1(trial, k);
    if (numberOf(trial.txt_qorza(1).Text) > numberOf(g.txt_qorza(1).Text)) {
      return k;
    }
    const bool takes = !trial.p1.TableWasEmpty &&
                       (trial.p1.EqualTaken || trial.p1.SumTaken || trial.p1.JackPlayed);
    const long long taken =
        wholeNumberOf(trial.TXT_CARD(1).Text) - wholeNumberOf(g.TXT_CARD(1).Text);
    if (takes && taken > bestTaken) {
      best = k;
      bestTaken = taken;
    }
  }
  return best != 0 ? best : lowestNonJack(g, positions);
}

}  // namespace

std::string strategyName(Strategy s) { return std::string(kNames[static_cast<std::size_t>(s)]); }

std::optional<Strategy> parseStrategy(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (kNames[i] == name) {
      return static_cast<Strategy>(i);
    }
  }
  return std::nullopt;
}

int choosePosition(Strategy s, const Game& g, SimPlatform& platform, std::mt19937_64& rng) {
  const std::vector<int> positions = shownPositions(g);
  if (positions.empty()) {
    return 1;
  }
  TrialGuard guard(platform);
  switch (s) {
    case Strategy::Random:
      return randomPosition(positions, rng);
    case Strategy::Greedy:
      return greedyPosition(g, positions);
    case Strategy::Level1:
      return computerRulesPosition(g, 1);
    case Strategy::Level2:
      return computerRulesPosition(g, 2);
    case Strategy::Level3:
      return hintPosition(g);
    case Strategy::Level4:
      return expertHintPosition(g);
  }
  return positions.front();
}

}  // namespace qorza::sim

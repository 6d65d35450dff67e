// SPDX-License-Identifier: GPL-3.0-or-later
// Whole deals and matches played by the real game logic: player 1 by a
// strategy, player 2 by the computer, every play and deal checked, and what
// each deal gave tallied.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "tools/sim/sim_platform.h"
#include "tools/sim/strategies.h"

namespace qorza::sim {

struct Pairing {
  int deckSize = 52;
  int handSize = 6;
  int level = 2;
  Strategy strategy = Strategy::Greedy;
};

// "52/6", "44/4", ...
std::string variantName(int deckSize, int handSize);

struct Tally {
  long deals = 0;
  long games = 0;  // deals, or matches in match mode
  long wins1 = 0;
  long wins2 = 0;
  long ties = 0;
  double score1 = 0, score2 = 0;  // match points won, summed over deals
  long qorzas1 = 0, qorzas2 = 0;
  double cards1 = 0, cards2 = 0;
  double points1 = 0, points2 = 0;
  long fullTableDeals = 0;   // deals in which all ten table slots filled
  double longestTurnMs = 0;  // one whole turn, player 1's play and the answer
  double seconds = 0;
};

// A run stopped by a broken invariant or a slot outside its range; the text
// names the deal and gives a qorza-play script that replays it.
class SimFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The seed of deal `deal` of a run seeded with `base` (fits `seed N`).
std::uint32_t dealSeed(std::uint64_t base, long deal);

class SelfPlay {
 public:
  SelfPlay(const Pairing& pairing, const std::string& target);
  SelfPlay(const SelfPlay&) = delete;
  SelfPlay& operator=(const SelfPlay&) = delete;

  // Plays deals 0..count-1, deal i shuffled from dealSeed(base, i).
  void playDeals(long count, std::uint64_t base);
  // Plays whole matches to their verdict.
  void playMatches(long count, std::uint64_t base);
  // Lays out a state with qorza-play lines, then plays to the deal's end.
  void playFromState(const std::vector<std::string>& lines, std::uint64_t strategySeed);

  const Tally& tally() const { return tally_; }
  // A checksum of every deal's final state.
  std::uint64_t signature() const { return signature_; }
  Game& game() { return game_; }
  // How long each of the expert's decisions took, in milliseconds.
  const std::vector<double>& thinkMs() const { return platform_.thinkMs; }

  std::function<void()> onDealEnd;  // progress

 private:
  void startRun(std::uint64_t base);
  void newDealTrace(std::uint32_t seed);
  void turn();
  void checkpoint();
  // What a checkpoint records once its checks have passed.
  void noteCheckpoint();
  void dealEnded(Game& game);
  void countQorzas();
  void recordOutcome(int gain1, int gain2, bool matchOver, bool player1Ahead);
  template <typename Step>
  void guarded(Step step);
  std::string replay() const;

  Pairing pairing_;
  SimPlatform platform_;
  Game game_;
  std::mt19937_64 strategyRng_;
  std::uint64_t base_ = 0;
  Tally tally_;
  std::uint64_t signature_ = 14695981039346656037ull;
  // The deal under way.
  long dealNumber_ = 0;
  std::vector<std::string> trace_;
  bool dealJustEnded_ = false;
  bool tableFilled_ = false;
  double lastQorza1_ = 0, lastQorza2_ = 0;
  int lastScore1_ = 0, lastScore2_ = 0;
  long matchesEnded_ = 0;
  bool byMatch_ = false;
  // Fuzzed states also replay every turn on the compact position.
  bool checkCompact_ = false;
};

}  // namespace qorza::sim

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/self_play.h"

#include <chrono>
#include <sstream>

#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/new_game_options.h"
#include "game/numbers.h"
#include "rules/compact/from_game.h"
#include "tools/script/script_session.h"
#include "tools/script/state_dump.h"
#include "tools/sim/compact_check.h"
#include "tools/sim/invariants.h"

namespace qorza::sim {

namespace {

using Clock = std::chrono::steady_clock;

std::uint64_t splitMix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ull;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
  return x ^ (x >> 31);
}

std::uint64_t fnv(std::uint64_t hash, const std::string& text) {
  for (const unsigned char c : text) {
    hash = (hash ^ c) * 1099511628211ull;
  }
  return hash;
}

}  // namespace

std::string variantName(int deckSize, int handSize) {
  return std::to_string(deckSize) + "/" + std::to_string(handSize);
}

std::uint32_t dealSeed(std::uint64_t base, long deal) {
  return static_cast<std::uint32_t>(splitMix(base * 1000003ull + static_cast<std::uint64_t>(deal)) &
                                    0x7fffffffu);
}

SelfPlay::SelfPlay(const Pairing& pairing, const std::string& target)
    : pairing_(pairing), game_(platform_) {
  Form_Load(game_, "./");
  applyStartupDefaults(game_);
  game_.DelayMs = 0;
  game_.SoundOn = false;
  game_.SkillLevel = pairing.level;
  applyNewGameOptions(game_, {pairing.deckSize == 44, pairing.handSize == 6, "sim"});
  game_.winningPointsText = target;
  platform_.onEvents = [this] { checkpoint(); };
  platform_.onResults = [this](Game& g) { dealEnded(g); };
}

template <typename Step>
void SelfPlay::guarded(Step step) {
  try {
    step();
  } catch (const std::exception& e) {
    std::ostringstream text;
    text << variantName(pairing_.deckSize, pairing_.handSize) << " level " << pairing_.level
         << " against " << strategyName(pairing_.strategy) << ", seed " << base_ << ", deal "
         << dealNumber_ << ": " << e.what() << "\nreplay with qorza-play:\n"
         << replay();
    throw SimFailure(text.str());
  }
}

std::string SelfPlay::replay() const {
  std::string script;
  for (const std::string& line : trace_) {
    script += line + "\n";
  }
  return script;
}

void SelfPlay::newDealTrace(std::uint32_t seed) {
  trace_ = {"options " + std::to_string(pairing_.deckSize) + " " +
                std::to_string(pairing_.handSize) + " " + std::to_string(pairing_.level),
            "set DelayMs 0",
            "set SoundOn 0",
            "set target " + game_.winningPointsText,
            "seed " + std::to_string(seed),
            "deal"};
  game_.rng.fixSeed(seed);
  strategyRng_.seed(seed);
  tableFilled_ = false;
  lastQorza1_ = lastQorza2_ = 0;
}

void SelfPlay::startRun(std::uint64_t base) {
  base_ = base;
  dealNumber_ = 0;
  newDealTrace(dealSeed(base_, 0));
  guarded([this] {
    mnu_new_Click(game_);
    checkBetweenTurns(game_);
  });
}

void SelfPlay::playDeals(long count, std::uint64_t base) {
  const auto start = Clock::now();
  startRun(base);
  const long stop = tally_.deals + count;
  while (tally_.deals < stop) {
    turn();
  }
  tally_.seconds += std::chrono::duration<double>(Clock::now() - start).count();
}

void SelfPlay::playMatches(long count, std::uint64_t base) {
  const auto start = Clock::now();
  byMatch_ = true;
  startRun(base);
  const long stop = matchesEnded_ + count;
  while (matchesEnded_ < stop) {
    turn();
  }
  tally_.seconds += std::chrono::duration<double>(Clock::now() - start).count();
}

void SelfPlay::playFromState(const std::vector<std::string>& lines, std::uint64_t strategySeed) {
  trace_ = lines;
  checkCompact_ = true;
  strategyRng_.seed(strategySeed);
  tableFilled_ = false;
  std::ostringstream unused;
  script::ScriptSession session(game_, platform_, unused);
  guarded([&] {
    for (const std::string& line : lines) {
      session.execute(script::ScriptLine(line));
    }
    checkBetweenTurns(game_);
  });
  lastQorza1_ = numberOf(game_.txt_qorza(1).Text);
  lastQorza2_ = numberOf(game_.txt_qorza(2).Text);
  lastScore1_ = game_.ScoreTable(1);
  lastScore2_ = game_.ScoreTable(2);
  const long stop = tally_.deals + 1;
  while (tally_.deals < stop) {
    turn();
  }
}

void SelfPlay::turn() {
  int k = 0;
  guarded([&] { k = choosePosition(pairing_.strategy, game_, platform_, strategyRng_); });
  trace_.push_back("click " + std::to_string(k));
  dealJustEnded_ = false;
  compact::Position before;
  if (checkCompact_) {
    before = compact::positionOf(game_);
  }
  const auto start = Clock::now();
  guarded([&] { Player1_Click(game_, k); });
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  if (dealJustEnded_) {
    return;  // the next deal is already laid out
  }
  if (checkCompact_) {
    guarded([&] { checkTurnAgainstCompact(before, k, game_); });
  }
  tally_.longestTurnMs = std::max(tally_.longestTurnMs, ms);
  guarded([this] {
    checkBetweenTurns(game_);  // also every check of a checkpoint
    noteCheckpoint();
  });
}

// Where the window would repaint: after player 1's play, after the answer,
// at the end of the deal.
void SelfPlay::checkpoint() {
  checkAfterPlay(game_);
  noteCheckpoint();
}

void SelfPlay::noteCheckpoint() {
  tableFilled_ = tableFilled_ || tableIsFull(game_);
  countQorzas();
}

// A Qorza always adds to its player's worth, and between two checkpoints
// each player plays at most once.
void SelfPlay::countQorzas() {
  const double q1 = numberOf(game_.txt_qorza(1).Text);
  const double q2 = numberOf(game_.txt_qorza(2).Text);
  tally_.qorzas1 += q1 > lastQorza1_ ? 1 : 0;
  tally_.qorzas2 += q2 > lastQorza2_ ? 1 : 0;
  lastQorza1_ = q1;
  lastQorza2_ = q2;
}

void SelfPlay::dealEnded(Game& g) {
  checkpoint();
  checkDealEnd(g);
  signature_ = fnv(signature_, script::stateText(g, platform_));
  const int gain1 = g.ScoreTable(1) - lastScore1_;
  const int gain2 = g.ScoreTable(2) - lastScore2_;
  tally_.deals += 1;
  tally_.score1 += gain1;
  tally_.score2 += gain2;
  tally_.cards1 += numberOf(g.TXT_CARD(1).Text);
  tally_.cards2 += numberOf(g.TXT_CARD(2).Text);
  tally_.points1 += numberOf(g.TXT_POINT(1).Text);
  tally_.points2 += numberOf(g.TXT_POINT(2).Text);
  tally_.fullTableDeals += tableFilled_ ? 1 : 0;
  const bool matchOver = g.frm_results.Label1Visible;
  if (matchOver) {
    matchesEnded_ += 1;
  }
  lastScore1_ = matchOver ? 0 : g.ScoreTable(1);
  lastScore2_ = matchOver ? 0 : g.ScoreTable(2);
  recordOutcome(gain1, gain2, matchOver, g.ScoreTable(1) >= g.ScoreTable(2));
  dealJustEnded_ = true;
  dealNumber_ += 1;
  newDealTrace(dealSeed(base_, dealNumber_));
  if (onDealEnd) {
    onDealEnd();
  }
}

// A deal is won by the larger gain; a match by its verdict (player 1 wins
// equal scores).
void SelfPlay::recordOutcome(int gain1, int gain2, bool matchOver, bool player1Ahead) {
  if (byMatch_ && !matchOver) {
    return;
  }
  tally_.games += 1;
  if (byMatch_) {
    (player1Ahead ? tally_.wins1 : tally_.wins2) += 1;
  } else if (gain1 != gain2) {
    (gain1 > gain2 ? tally_.wins1 : tally_.wins2) += 1;
  } else {
    tally_.ties += 1;
  }
}

}  // namespace qorza::sim

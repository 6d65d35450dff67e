// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/flow/statistics.h"

#include <algorithm>

#include "game/bounds.h"
#include "game/game_state.h"
#include "scoring/results_grid.h"

namespace qorza {

double VariantStatistics::averageDealScore() const {
  return dealsPlayed == 0 ? 0.0 : static_cast<double>(dealScoreTotal) / dealsPlayed;
}

VariantKey VariantKey::of(const Game& game) {
  return {game.DeckSize, game.HandSize, game.SkillLevel};
}

std::string VariantKey::variantName() const {
  return std::to_string(deckSize) + "/" + std::to_string(handSize);
}

namespace {

// Adds one to a count unless it is at the top of its range.
void countOne(int& count) {
  if (count < bounds::kStatisticsCount.hi) {
    count += 1;
  }
}

}  // namespace

bool VariantKey::isKnown() const {
  return bounds::isVariant(deckSize, handSize) && bounds::kLevel.holds(level);
}

VariantStatistics& StatisticsRecorder::current() { return (*statistics_)[key_]; }

void StatisticsRecorder::matchStarted(const Game& game) {
  key_ = VariantKey::of(game);
  matchOpen_ = true;
  dealsCounted_ = 0;
  lastScore_ = 0;
  turnQorzas_.clear();
  countOne(current().matchesPlayed);
}

void StatisticsRecorder::matchResumed(const Game& game) {
  key_ = VariantKey::of(game);
  matchOpen_ = true;
  dealsCounted_ = game.RoundCount1;
  lastScore_ = game.ScoreTable(1);
  turnQorzas_.clear();
}

void StatisticsRecorder::beforeTurn(const Game& game) {
  turnMark_ = game.TurnInHand;
  dealtMark_ = game.DealtCount;
  qorzaMark_ = game.QorzaImgNext1;
  qorzaDue_ = true;
}

// Each Qorza of player 1 moves his Qorza display on by a place (from the
// sixth back to the first), whatever made it: the count reads the display.
// A deal that ends in the turn resets the display after the results show,
// so it is read then, and once a turn. True when the turn's Qorza was
// counted now.
bool StatisticsRecorder::countQorza(const Game& game) {
  const bool counted = qorzaDue_ && matchOpen_ && game.QorzaImgNext1 != qorzaMark_;
  if (counted) {
    countOne(current().qorzas);
  }
  qorzaDue_ = false;
  return counted;
}

void StatisticsRecorder::resultsShowing(const Game& game) {
  countQorza(game);
  if (!matchOpen_) {
    return;
  }
  if (game.RoundCount1 > dealsCounted_) {
    countDeal(game);
  }
  if (game.frm_results.Label1Visible) {
    countMatchEnd(game);
  }
}

// A deal past the top of the counts is left out whole, so the best deal and
// the average still describe the deals counted.
void StatisticsRecorder::countDeal(const Game& game) {
  VariantStatistics& s = current();
  const int score = game.ScoreTable(1) - lastScore_;
  if (s.dealsPlayed < bounds::kStatisticsCount.hi &&
      s.dealScoreTotal + score <= bounds::kMaxDealScoreTotal) {
    s.bestDealScore = s.dealsPlayed == 0 ? score : std::max(s.bestDealScore, score);
    s.dealsPlayed += 1;
    s.dealScoreTotal += score;
  }
  dealsCounted_ = game.RoundCount1;
  lastScore_ = game.ScoreTable(1);
}

// The results' OK starts the next match at once with the same choices: the
// end and that start are counted together, or neither once the matches
// played are at their top, so wins and losses never pass the matches.
void StatisticsRecorder::countMatchEnd(const Game& game) {
  VariantStatistics& s = current();
  if (s.matchesPlayed < bounds::kStatisticsCount.hi) {
    if (game.frm_results.verdict == Verdict::Player1Won) {
      s.matchesWon += 1;
      s.currentStreak += 1;
      s.longestStreak = std::max(s.longestStreak, s.currentStreak);
    } else {
      s.matchesLost += 1;
      s.currentStreak = 0;
    }
    s.matchesPlayed += 1;
  }
  dealsCounted_ = 0;
  lastScore_ = 0;
}

// Player 1's play flags stay as his card left them until his next card.
void StatisticsRecorder::afterTurn(const Game& game) {
  const bool played = game.TurnInHand != turnMark_ || game.DealtCount != dealtMark_;
  const bool counted = countQorza(game);
  if (game.DealtCount < dealtMark_) {
    turnQorzas_.clear();  // the deal ended: its turns are never taken back
  } else if (played) {
    turnQorzas_.push_back(counted);
  }
}

void StatisticsRecorder::hintUsed(const Game& game) {
  countOne((*statistics_)[VariantKey::of(game)].hintsUsed);
}

void StatisticsRecorder::undoUsed(const Game& game) {
  countOne((*statistics_)[VariantKey::of(game)].undosUsed);
  if (!turnQorzas_.empty()) {
    if (turnQorzas_.back() && current().qorzas > 0) {
      current().qorzas -= 1;
    }
    turnQorzas_.pop_back();
  }
}

}  // namespace qorza

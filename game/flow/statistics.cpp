// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/flow/statistics.h"

#include <algorithm>

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

VariantStatistics& StatisticsRecorder::current() { return (*statistics_)[key_]; }

void StatisticsRecorder::matchStarted(const Game& game) {
  key_ = VariantKey::of(game);
  matchOpen_ = true;
  dealsCounted_ = 0;
  lastScore_ = 0;
  turnQorzas_.clear();
  current().matchesPlayed += 1;
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
}

void StatisticsRecorder::resultsShowing(const Game& game) {
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

void StatisticsRecorder::countDeal(const Game& game) {
  VariantStatistics& s = current();
  const int score = game.ScoreTable(1) - lastScore_;
  s.bestDealScore = s.dealsPlayed == 0 ? score : std::max(s.bestDealScore, score);
  s.dealsPlayed += 1;
  s.dealScoreTotal += score;
  dealsCounted_ = game.RoundCount1;
  lastScore_ = game.ScoreTable(1);
}

// The results' OK starts the next match at once with the same choices.
void StatisticsRecorder::countMatchEnd(const Game& game) {
  VariantStatistics& s = current();
  if (game.frm_results.Label1Caption == kWinVerdict) {
    s.matchesWon += 1;
    s.currentStreak += 1;
    s.longestStreak = std::max(s.longestStreak, s.currentStreak);
  } else {
    s.matchesLost += 1;
    s.currentStreak = 0;
  }
  s.matchesPlayed += 1;
  dealsCounted_ = 0;
  lastScore_ = 0;
}

// Player 1's play flags stay as his card left them until his next card.
void StatisticsRecorder::afterTurn(const Game& game) {
  const bool played = game.TurnInHand != turnMark_ || game.DealtCount != dealtMark_;
  const bool counted = matchOpen_ && played && game.p1.QorzaMade;
  if (counted) {
    current().qorzas += 1;
  }
  if (game.DealtCount < dealtMark_) {
    turnQorzas_.clear();  // the deal ended: its turns are never taken back
  } else if (played) {
    turnQorzas_.push_back(counted);
  }
}

void StatisticsRecorder::hintUsed(const Game& game) {
  (*statistics_)[VariantKey::of(game)].hintsUsed += 1;
}

void StatisticsRecorder::undoUsed(const Game& game) {
  (*statistics_)[VariantKey::of(game)].undosUsed += 1;
  if (!turnQorzas_.empty()) {
    if (turnQorzas_.back()) {
      current().qorzas -= 1;
    }
    turnQorzas_.pop_back();
  }
}

}  // namespace qorza

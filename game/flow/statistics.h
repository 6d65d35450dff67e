// SPDX-License-Identifier: GPL-3.0-or-later
// What the game remembers of player 1's matches, per variant and level, and
// how a running match adds to it: the table window reports each turn, each
// showing of the results and each hint, and the counting reads the state.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace qorza {

struct Game;

// The figures of one variant at one level. Scores are player 1's. Every
// count stops at the top of bounds::kStatisticsCount.
struct VariantStatistics {
  int matchesPlayed = 0;  // started; abandoned ones count, neither won nor lost
  int matchesWon = 0;
  int matchesLost = 0;
  int dealsPlayed = 0;
  long long dealScoreTotal = 0;
  int bestDealScore = 0;  // meaningful once a deal has been played
  int qorzas = 0;
  int currentStreak = 0;  // matches won in a row up to the last one
  int longestStreak = 0;
  int hintsUsed = 0;
  int undosUsed = 0;  // turns taken back

  double averageDealScore() const;
  bool operator==(const VariantStatistics&) const = default;
};

// Where a match is counted: the deck size, the hand size and the level.
struct VariantKey {
  int deckSize = 52;
  int handSize = 6;
  int level = 2;

  static VariantKey of(const Game& game);
  // One of the variants at one of the levels.
  bool isKnown() const;
  // "52/6", "52/4" or "44/4".
  std::string variantName() const;
  auto operator<=>(const VariantKey&) const = default;
};

using Statistics = std::map<VariantKey, VariantStatistics>;

// Counts a running match into the statistics. The caller reports the events;
// the recorder reads what happened from the game.
class StatisticsRecorder {
 public:
  explicit StatisticsRecorder(Statistics& statistics) : statistics_(&statistics) {}

  // A new match has been dealt its first hands.
  void matchStarted(const Game& game);
  // A saved match has been brought back: it goes on counting where it was.
  void matchResumed(const Game& game);
  // Player 1 is about to play a card.
  void beforeTurn(const Game& game);
  // The results are about to show, at the end of a deal or on the menu
  // command: a newly scored deal and a decided match are counted.
  void resultsShowing(const Game& game);
  // The turn, and any deal end inside it, is over.
  void afterTurn(const Game& game);
  void hintUsed(const Game& game);
  // A turn has been taken back: a Qorza it made is no longer counted.
  void undoUsed(const Game& game);

 private:
  VariantStatistics& current();
  void countDeal(const Game& game);
  void countMatchEnd(const Game& game);
  bool countQorza(const Game& game);

  Statistics* statistics_;
  VariantKey key_;
  bool matchOpen_ = false;
  int dealsCounted_ = 0;
  int lastScore_ = 0;  // player 1's match score after the last deal counted
  // Where the deal stood before the turn: a turn that plays a card moves it.
  int turnMark_ = 0;
  int dealtMark_ = 0;
  // Player 1's next Qorza display place before the turn; whether the turn's
  // Qorza is still to be counted.
  int qorzaMark_ = 1;
  bool qorzaDue_ = false;
  // Whether each turn of the deal in play made a Qorza, the last turn last.
  std::vector<bool> turnQorzas_;
};

}  // namespace qorza

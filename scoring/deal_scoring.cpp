// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/deal_scoring.h"

#include "game/game_state.h"
#include "game/numbers.h"
#include "scoring/results_grid.h"

namespace qorza {

namespace {

// The Qorza worth and card points of player p, added in double precision,
// rounded half to even; the score stays within the counters' limit. part
// says what was added.
void addDealPoints(Game& g, int p, DealScorePart& part) {
  const int before = g.ScoreTable(p);
  const double qorza = numberOf(g.txt_qorza(p).Text);
  const double points = numberOf(g.TXT_POINT(p).Text);
  const double sum = g.ScoreTable(p) + qorza + points;
  g.ScoreTable(p) = scoreOf(sum);
  part.qorzaWorth = withinLimit(qorza);
  part.cardPoints = withinLimit(points);
  part.rounding = withinLimit(g.ScoreTable(p) - (before + part.qorzaWorth + part.cardPoints));
}

// Three points for the larger heap of captured cards; none on equal heaps.
void addCardBonus(Game& g, DealBreakdown& breakdown) {
  const double cards1 = numberOf(g.TXT_CARD(1).Text);
  const double cards2 = numberOf(g.TXT_CARD(2).Text);
  const int p = cards2 > cards1 ? 2 : cards1 > cards2 ? 1 : 0;
  if (p != 0) {
    const int before = g.ScoreTable(p);
    g.ScoreTable(p) = scoreOf(g.ScoreTable(p) + 3.0);
    breakdown.players[static_cast<std::size_t>(p) - 1].cardBonus = g.ScoreTable(p) - before;
  }
}

}  // namespace

void ScoreDeal(Game& g) {
  DealBreakdown breakdown;
  breakdown.deal = g.RoundCount1;
  addDealPoints(g, 1, breakdown.players[0]);
  addDealPoints(g, 2, breakdown.players[1]);
  addCardBonus(g, breakdown);
  writeDealRow(g, g.RoundCount1, breakdown);
  if (matchIsOver(g)) {
    showVerdict(g);
  }
  refreshHeadings(g);
  showResultsAndConfirm(g, ResultsShowing::DealEnd);
}

void MNU_RESULTS_Click(Game& g) {
  // Only shows the scores so far: the deal in play is scored at its end.
  // A target lowered below a score meanwhile ends the match here, and the
  // window says so before its OK starts the next match.
  if (matchIsOver(g)) {
    showVerdict(g);
  }
  refreshHeadings(g);
  showResultsAndConfirm(g, ResultsShowing::MenuCommand);
}

double matchTarget(const Game& g) { return numberOf(g.winningPointsText); }

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/deal_scoring.h"

#include "game/game_state.h"
#include "game/numbers.h"
#include "scoring/results_grid.h"

namespace qorza {

namespace {

// The Qorza worth and card points of player p, added in double precision,
// rounded half to even; the score stays within the counters' limit.
void addDealPoints(Game& g, int p) {
  const double sum =
      g.ScoreTable(p) + numberOf(g.txt_qorza(p).Text) + numberOf(g.TXT_POINT(p).Text);
  g.ScoreTable(p) = scoreOf(sum);
}

// Three points for the larger heap of captured cards; none on equal heaps.
void addCardBonus(Game& g) {
  const double cards1 = numberOf(g.TXT_CARD(1).Text);
  const double cards2 = numberOf(g.TXT_CARD(2).Text);
  if (cards2 > cards1) {
    g.ScoreTable(2) = scoreOf(g.ScoreTable(2) + 3.0);
  } else if (cards1 > cards2) {
    g.ScoreTable(1) = scoreOf(g.ScoreTable(1) + 3.0);
  }
}

}  // namespace

void ScoreDeal(Game& g) {
  addDealPoints(g, 1);
  addDealPoints(g, 2);
  addCardBonus(g);
  writeDealRow(g, g.RoundCount1);
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

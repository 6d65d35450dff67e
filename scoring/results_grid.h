// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's grid, verdict and OK as the scoring drives them: rows
// of running scores, the yellow winner's column and the match reset.
#pragma once

#include "game/results_model.h"
#include "scoring/deal_scoring.h"

namespace qorza {

struct Game;

// Writes both running scores into deal row `deal`, adding rows first when
// the match has outlasted the grid, and keeps how they came about with the
// row. Deal 0 writes nothing.
void writeDealRow(Game& game, int deal, const DealBreakdown& breakdown);

// True when either score is strictly above the target.
bool matchIsOver(const Game& game);

// Shows the verdict and paints the winner's column yellow in every deal row;
// player 1 wins equal scores.
void showVerdict(Game& game);

// The players' names over the score columns.
void refreshHeadings(Game& game);

// Shows the window modally, then runs its OK however it was dismissed.
void showResultsAndConfirm(Game& game, ResultsShowing showing);

}  // namespace qorza

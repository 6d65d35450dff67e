// SPDX-License-Identifier: GPL-3.0-or-later
// Scoring at the end of a deal, the end of the match, and the results
// window's content and OK.
#pragma once

namespace qorza {

struct Game;

// End of a deal: adds the deal to the match score, writes the grid row,
// decides the match, then shows the results window until it is dismissed.
void ScoreDeal(Game& game);

// The Results menu command: shows the results window with the scores so far.
void MNU_RESULTS_Click(Game& game);

// Why the results window is showing: the end of a deal, or the menu command.
enum class ResultsShowing { DealEnd, MenuCommand };

// The results window's OK (also run when it is dismissed any other way).
// Only at the end of a deal does it restore a stock counter run down to 0:
// during the last hand of a deal the counter reads 0 while cards are still
// in play.
void resultsCommand1_Click(Game& game, ResultsShowing showing = ResultsShowing::DealEnd);

// The target read from the further-options window's winning-points text.
double matchTarget(const Game& game);

// Loads the results window if it is not loaded (headings, deal numbers).
void loadResultsWindow(Game& game);
// Discards the results window and its rows.
void unloadResultsWindow(Game& game);

}  // namespace qorza

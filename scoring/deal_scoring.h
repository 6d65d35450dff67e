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

// The results window's OK (also run when it is dismissed any other way).
void resultsCommand1_Click(Game& game);

// The target read from the further-options window's winning-points text.
double matchTarget(Game& game);

// Loads the results window if it is not loaded (headings, deal numbers).
void loadResultsWindow(Game& game);
// Discards the results window and its rows.
void unloadResultsWindow(Game& game);

}  // namespace qorza

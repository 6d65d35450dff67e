#include "scoring/deal_scoring.h"

#include "game/game_state.h"

namespace qorza {

// Placeholder until the scoring lands: the deal ends without a score.
void ScoreDeal(Game& /*game*/) {}
void MNU_RESULTS_Click(Game& /*game*/) {}
void resultsCommand1_Click(Game& /*game*/) {}
double matchTarget(Game& /*game*/) { return 101; }
void loadResultsWindow(Game& game) { game.frm_results.Loaded = true; }
void unloadResultsWindow(Game& game) { game.frm_results = {}; }

}  // namespace qorza

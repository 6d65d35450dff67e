// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/results_grid.h"

#include <string>

#include "game/game_state.h"
#include "game/numbers.h"
#include "scoring/deal_scoring.h"

namespace qorza {

namespace {

std::vector<ResultsCell> dealRow(int deal) { return {{std::to_string(deal)}, {}, {}}; }

// Rows up to `deal` exist afterwards, each numbered in column 0.
void growTo(ResultsWindowModel& model, int deal) {
  while (static_cast<int>(model.Grid1.size()) <= deal) {
    model.Grid1.push_back(dealRow(static_cast<int>(model.Grid1.size())));
  }
}

ResultsCell& cell(Game& g, int row, int column) {
  return g.frm_results.Grid1.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

}  // namespace

void loadResultsWindow(Game& g) {
  ResultsWindowModel& model = g.frm_results;
  if (model.Loaded) {
    return;
  }
  model.Grid1.assign(1, std::vector<ResultsCell>(3));
  growTo(model, kResultsDealRows);
  model.verdict = Verdict::None;
  model.Label1Visible = false;
  model.NewestRow = 0;
  model.Loaded = true;
  refreshHeadings(g);
}

void unloadResultsWindow(Game& g) {
  const bool everShown = g.frm_results.EverShown;
  g.frm_results = {};
  g.frm_results.EverShown = everShown;
}

void refreshHeadings(Game& g) {
  loadResultsWindow(g);
  for (int k = 1; k <= 2; ++k) {
    cell(g, 0, k).Text = g.PlayerName(k);
  }
}

void writeDealRow(Game& g, int deal, const DealBreakdown& breakdown) {
  if (deal <= 0) {
    return;
  }
  loadResultsWindow(g);
  growTo(g.frm_results, deal);
  cell(g, deal, 1).Text = std::to_string(g.ScoreTable(1));
  cell(g, deal, 2).Text = std::to_string(g.ScoreTable(2));
  g.frm_results.NewestRow = deal;
  auto& kept = g.frm_results.Breakdowns;
  std::erase_if(kept, [deal](const DealBreakdown& b) { return b.deal == deal; });
  kept.push_back(breakdown);
  kept.back().deal = deal;
}

bool matchIsOver(const Game& g) {
  const double target = matchTarget(g);
  return g.ScoreTable(1) > target || g.ScoreTable(2) > target;
}

void showVerdict(Game& g) {
  loadResultsWindow(g);
  ResultsWindowModel& model = g.frm_results;
  const bool player1Wins = g.ScoreTable(1) >= g.ScoreTable(2);
  const int winner = player1Wins ? 1 : 2;
  model.Label1Visible = true;
  model.verdict = player1Wins ? Verdict::Player1Won : Verdict::Player2Won;
  for (std::size_t r = 1; r < model.Grid1.size(); ++r) {
    for (int c = 1; c <= 2; ++c) {
      model.Grid1[r][static_cast<std::size_t>(c)].Highlighted = c == winner;
    }
  }
}

void showResultsAndConfirm(Game& g, ResultsShowing showing) {
  loadResultsWindow(g);
  g.frm_results.EverShown = true;
  g.platform().showResults(g);
  resultsCommand1_Click(g, showing);
}

void resultsCommand1_Click(Game& g, ResultsShowing showing) {
  g.frm_results.Label1Visible = false;
  if (matchIsOver(g)) {
    recreateScoreTable(g);
    g.RoundCount1 = 0;
    g.RoundCount2 = 0;
    unloadResultsWindow(g);
  }
  // A stock counter run down to 0 is set to what a fresh deal leaves.
  if (showing == ResultsShowing::DealEnd && numberOf(g.TXT_NAME.Text) == 0) {
    g.TXT_NAME.Text = std::to_string(g.DeckSize - 2 * g.HandSize - 4);
  }
}

}  // namespace qorza

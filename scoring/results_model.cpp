#include "scoring/results_model.h"

#include <cstddef>

namespace qorza {

int highlightedColumn(const ResultsWindowModel& model) {
  for (std::size_t r = 1; r < model.Grid1.size(); ++r) {
    for (int c = 1; c <= 2; ++c) {
      if (model.Grid1[r][static_cast<std::size_t>(c)].Highlighted) {
        return c;
      }
    }
  }
  return 0;
}

ResultsShowing currentShowing(const ResultsWindowModel& model) {
  ResultsShowing showing;
  for (std::size_t r = 1; r < model.Grid1.size(); ++r) {
    const auto& row = model.Grid1[r];
    if (!row[1].Text.empty() || !row[2].Text.empty()) {
      showing.rows.push_back({row[0].Text, row[1].Text, row[2].Text});
    }
  }
  if (model.Label1Visible) {
    showing.verdict = model.Label1Caption;
  }
  showing.highlight = highlightedColumn(model);
  return showing;
}

}  // namespace qorza

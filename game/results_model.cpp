// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/results_model.h"

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

const DealBreakdown* breakdownOfRow(const ResultsWindowModel& model, int row) {
  for (const DealBreakdown& b : model.Breakdowns) {
    if (b.deal == row) {
      return &b;
    }
  }
  return nullptr;
}

}  // namespace qorza

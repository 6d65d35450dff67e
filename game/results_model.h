// SPDX-License-Identifier: GPL-3.0-or-later
// What the results window shows: the grid of running match scores deal by
// deal, the verdict line and the winner's highlighted column. The window
// itself only draws this.
#pragma once

#include <string>
#include <vector>

namespace qorza {

struct ResultsCell {
  std::string Text;
  bool Highlighted = false;  // the winner's yellow background
};

struct ResultsWindowModel {
  bool Loaded = false;     // unloading discards the rows
  bool EverShown = false;  // shown at least once since the program started
  // Row 0 holds the headings, rows 1.. the deals; three columns each. A fresh
  // grid has 16 rows; a match longer than 15 deals adds a row per deal.
  std::vector<std::vector<ResultsCell>> Grid1;
  std::string Label1Caption;  // the verdict
  bool Label1Visible = false;
  int NewestRow = 0;  // the deal row written last (0: none); the window scrolls to it
};

// Deal rows of a freshly loaded grid.
inline constexpr int kResultsDealRows = 15;

// The column whose deal rows are yellow: 1, 2, or 0 for none.
int highlightedColumn(const ResultsWindowModel& model);

}  // namespace qorza

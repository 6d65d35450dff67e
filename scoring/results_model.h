// What the results window shows: the grid of running match scores deal by
// deal, the verdict line and the winner's highlighted column. The window
// itself only draws this.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace qorza {

struct ResultsCell {
  std::string Text;
  bool Highlighted = false;  // the winner's yellow background
};

// The window as it was last put on screen, kept even after it is unloaded.
struct ResultsShowing {
  std::vector<std::array<std::string, 3>> rows;  // rows written: deal, score 1, score 2
  std::optional<std::string> verdict;            // the verdict when it was visible
  int highlight = 0;                             // the yellow column, 0 for none
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
  std::optional<ResultsShowing> LastShown;
};

// Deal rows of a freshly loaded grid.
inline constexpr int kResultsDealRows = 15;

// The column whose deal rows are yellow: 1, 2, or 0 for none.
int highlightedColumn(const ResultsWindowModel& model);

// What the window shows now, in the form kept as LastShown.
ResultsShowing currentShowing(const ResultsWindowModel& model);

}  // namespace qorza

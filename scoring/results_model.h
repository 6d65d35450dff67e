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
  bool Loaded = false;      // unloading discards the rows
  bool EverShown = false;   // shown at least once since the program started
  // Row 0 holds the headings, rows 1.. the deals; three columns each.
  std::vector<std::vector<ResultsCell>> Grid1;
  std::string Label1Caption;  // the verdict
  bool Label1Visible = false;
};

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
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

// How one player's score of a deal came about: the deal's Qorza worth and
// point cards, the bonus for the larger heap of cards, and what rounding the
// sum to a whole score added or took (a half goes to the even neighbour, so
// it depends on the score before the deal).
struct DealScorePart {
  double qorzaWorth = 0;
  double cardPoints = 0;
  int cardBonus = 0;
  double rounding = 0;

  double total() const { return qorzaWorth + cardPoints + cardBonus + rounding; }
  bool operator==(const DealScorePart&) const = default;
};

// The breakdown of one deal row, for player 1 and player 2.
struct DealBreakdown {
  int deal = 0;  // the grid row
  std::array<DealScorePart, 2> players;
  bool operator==(const DealBreakdown&) const = default;
};

// Who won the match the verdict line speaks of; None until a match ends.
enum class Verdict { None, Player1Won, Player2Won };

// The verdict in the words the saved match and qorza-play's dump carry
// ("" for None); the windows say it in the player's language instead.
const char* verdictWords(Verdict verdict);
// The verdict those words stand for; nullopt for any other text.
std::optional<Verdict> verdictOfWords(const std::string& words);

struct ResultsWindowModel {
  bool Loaded = false;     // unloading discards the rows
  bool EverShown = false;  // shown at least once since the program started
  // Row 0 holds the headings, rows 1.. the deals; three columns each. A fresh
  // grid has 16 rows; a match longer than 15 deals adds a row per deal.
  std::vector<std::vector<ResultsCell>> Grid1;
  Verdict verdict = Verdict::None;
  bool Label1Visible = false;
  int NewestRow = 0;  // the deal row written last (0: none); the window scrolls to it
  // How each scored row came about; a match saved before the game kept them
  // has rows without one.
  std::vector<DealBreakdown> Breakdowns;
};

// Deal rows of a freshly loaded grid.
inline constexpr int kResultsDealRows = 15;

// The breakdown of deal row `row`; none for a row without one.
const DealBreakdown* breakdownOfRow(const ResultsWindowModel& model, int row);

// The column whose deal rows are yellow: 1, 2, or 0 for none.
int highlightedColumn(const ResultsWindowModel& model);

}  // namespace qorza

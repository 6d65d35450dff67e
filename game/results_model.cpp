// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/results_model.h"

#include <cstddef>

namespace qorza {

namespace {

// The two verdict lines as the game has always written them.
constexpr const char* kWinWords = "تهانينا لقد ربحت.......";
constexpr const char* kLossWords = "لقد خسرت مع الأسف حاول مرة أخرى";

}  // namespace

const char* verdictWords(Verdict verdict) {
  switch (verdict) {
    case Verdict::Player1Won:
      return kWinWords;
    case Verdict::Player2Won:
      return kLossWords;
    case Verdict::None:
      break;
  }
  return "";
}

std::optional<Verdict> verdictOfWords(const std::string& words) {
  for (const Verdict v : {Verdict::None, Verdict::Player1Won, Verdict::Player2Won}) {
    if (words == verdictWords(v)) {
      return v;
    }
  }
  return std::nullopt;
}

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

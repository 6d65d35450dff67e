// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: for one variant at a time, player 1's figures at
// each of the three levels, and a reset that asks first.
#pragma once

#include <QDialog>
#include <functional>

#include "game/flow/statistics.h"

class QComboBox;
class QPushButton;
class QTableWidget;

namespace qorza {

class StatisticsWindow : public QDialog {
  Q_OBJECT

 public:
  // reset empties the statistics (and writes them); it runs after a Yes.
  StatisticsWindow(const Statistics& statistics, std::function<void()> reset,
                   QWidget* parent = nullptr);

  // Shows the variant of key (the match in play) first.
  void showVariant(const VariantKey& key);
  // The reset button: asks, and on Yes resets; true on Yes.
  bool confirmReset();

  QComboBox* variantBox() const { return variant_; }
  QTableWidget* grid() const { return grid_; }
  QPushButton* resetButton() const { return reset_; }

 private:
  void buildGrid();
  void fill();

  const Statistics& statistics_;
  std::function<void()> resetStatistics_;
  QComboBox* variant_;
  QTableWidget* grid_;
  QPushButton* reset_;
  QPushButton* ok_;
};

}  // namespace qorza

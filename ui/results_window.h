// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: the grid of running match scores deal by deal, the
// verdict line and the OK button. It draws the game's results model.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace qorza {

struct Game;
struct ResultsWindowModel;

class ResultsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ResultsWindow(QWidget* parent = nullptr);

  // Fills the window from game.frm_results and shows it modally; returns
  // once it has been dismissed (OK or close box).
  void showModal(Game& game);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildGrid();
  void fillGrid(const ResultsWindowModel& model);
  void placeVerdict(const ResultsWindowModel& model);

  QTableWidget* grid_;
  QLabel* verdict_;
  QPushButton* ok_;
  int newestRow_ = 0;  // the grid row to scroll into view, 0 for the top
};

}  // namespace qorza

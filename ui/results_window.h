// The results window: the grid of running match scores deal by deal, the
// verdict line and the OK button. It draws the game's results model.
#pragma once

#include <QDialog>

namespace qorza {

struct Game;

class ResultsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ResultsWindow(QWidget* parent = nullptr);

  // Fills the window from game.frm_results and shows it modally; returns
  // once it has been dismissed (OK or close box).
  void showModal(Game& game);
};

}  // namespace qorza

#include "ui/results_window.h"

#include "game/game_state.h"

namespace qorza {

ResultsWindow::ResultsWindow(QWidget* parent) : QDialog(parent) {}

void ResultsWindow::showModal(Game& /*game*/) {}

}  // namespace qorza

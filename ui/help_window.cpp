#include "ui/help_window.h"

namespace qorza {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {}

void HelpWindow::showModal() {}

}  // namespace qorza

#include "ui/splash_window.h"

#include <QTimer>

namespace qorza {

SplashWindow::SplashWindow(std::function<void()> handOff, QWidget* parent) : QWidget(parent) {
  QTimer::singleShot(1, this, [handOff] { handOff(); });
}

void SplashWindow::showAtStart() {}

void SplashWindow::showAbout() {}

}  // namespace qorza

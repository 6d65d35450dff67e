// The game's entry point: the Qt application in Arabic, right to left, and
// the start-up from the splash window.
#include <QApplication>

#include "ui/fonts.h"
#include "ui/game_app.h"

int main(int argc, char** argv) {
  qorza::startStartupClock();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qorza"));
  qorza::configureApplication(app);
  qorza::GameApp game;
  game.start();
  return QApplication::exec();
}

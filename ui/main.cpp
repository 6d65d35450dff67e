// SPDX-License-Identifier: GPL-3.0-or-later
// The game's entry point: the Qt application in its language (Arabic, right
// to left, unless English is asked for or chosen), and
// the start-up from the splash window.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <exception>

#include "ui/app_files.h"
#include "ui/command_line.h"
#include "ui/fonts.h"
#include "ui/game_app.h"
#include "ui/game_lock.h"
#include "ui/guarded_application.h"
#include "ui/resources.h"
#include "ui/settings_store.h"

namespace {

// How the desktop knows the game: the window class "qorza" matches the
// launcher's StartupWMClass, the desktop file name its id (Wayland's app id).
void nameApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("qorza"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QORZA_VERSION));
}

void identifyApplication() {
  nameApplication();
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.qorza.qorza"));
  // The compiled-in icon is the picture the package installs into the icon
  // theme, drawn beforehand at the sizes the X11 window takes: neither a
  // search through the theme's folders nor drawing the SVG slows the start.
  QIcon icon;
  for (const int side : {16, 32, 64, 128}) {
    icon.addFile(QStringLiteral(":/icons/qorza-%1.png").arg(side), QSize(side, side));
  }
  QApplication::setWindowIcon(icon);
}

}  // namespace

int main(int argc, char** argv) {
  if (qorza::asksCommandLine(argc, argv)) {
    // Answered on the terminal: no display is needed.
    QCoreApplication app(argc, argv);
    nameApplication();
    return qorza::answerCommandLine(QCoreApplication::arguments());
  }
  qorza::startStartupClock();
  qorza::GuardedApplication app(argc, argv);
  identifyApplication();
  bool badLanguage = false;
  const auto asked = qorza::languageAsked(QCoreApplication::arguments(), &badLanguage);
  if (badLanguage) {
    std::fprintf(stderr, "qorza: --lang takes ar or en\n");
    return 2;
  }
  // Arabic whatever the desktop's locale, unless asked for or chosen.
  qorza::configureApplication(
      app, asked.value_or(qorza::rememberedLanguage().value_or(qorza::Language::Arabic)));
  // One game at a time on the player's files; without a lock to take (a
  // folder that refuses writes) the game still plays.
  qorza::GameLock lock;
  switch (lock.take()) {
    case qorza::GameLock::State::HeldByAnother:
      qorza::showEndingNotice(qorza::gameWords(qorza::kAlreadyRunningNotice));
      return 1;
    case qorza::GameLock::State::Held:
      qorza::clearTemporaryCopies();  // no other game is writing them
      break;
    case qorza::GameLock::State::Unavailable:
      break;
  }
  try {
    qorza::loadResources();
    qorza::GameApp game;
    app.onFault = [&game](const char*) { game.endAfterFault(); };
    game.start();
    const int status = QApplication::exec();
    app.onFault = nullptr;
    return status;
  } catch (const std::exception& fault) {
    std::fprintf(stderr, "qorza: fault in the game: %s\n", fault.what());
  } catch (...) {
    std::fprintf(stderr, "qorza: fault in the game\n");
  }
  qorza::showEndingNotice(qorza::gameWords(qorza::kFaultNotice));
  return 1;
}

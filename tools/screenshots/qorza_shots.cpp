// SPDX-License-Identifier: GPL-3.0-or-later
// qorza-shots FOLDER: the further-options dialog (a back chosen), the splash
// window and the help window drawn into FOLDER as PNG files, for a person to
// look at. It draws offscreen unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <cstdio>

#include "game/game_state.h"
#include "ui/fonts.h"
#include "ui/help_window.h"
#include "ui/qt_platform.h"
#include "ui/resources.h"
#include "ui/splash_window.h"
#include "ui/sub_option_dialog.h"

namespace {

// Shows window, writes its picture to folder/name and hides it again.
bool shoot(QWidget& window, const QDir& folder, const QString& name) {
  window.show();
  const QString file = folder.filePath(name);
  const bool saved = window.grab().save(file);
  window.hide();
  std::fprintf(saved ? stdout : stderr, "%s%s\n", saved ? "" : "qorza-shots: cannot write ",
               qPrintable(file));
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: qorza-shots FOLDER\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  // QORZA_LANG=en: the pictures in English.
  const auto language = qorza::languageOfCode(qEnvironmentVariable("QORZA_LANG"));
  qorza::configureApplication(app, language.value_or(qorza::Language::Arabic));
  qorza::loadResources();
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "qorza-shots: cannot make %s\n", argv[1]);
    return 2;
  }

  qorza::QtPlatform platform;
  qorza::Game game(platform);
  game.PlayerName(1) = language == qorza::Language::English ? "Sami" : "سامي";
  qorza::SubOptionDialog options(game);
  options.show();
  QTest::mouseClick(options.findChild<QLabel*>(QStringLiteral("Image1_7")), Qt::LeftButton);
  qorza::SplashWindow splash([] {});
  qorza::HelpWindow help;

  bool all = shoot(options, folder, QStringLiteral("further-options.png"));
  all = shoot(splash, folder, QStringLiteral("splash.png")) && all;
  all = shoot(help, folder, QStringLiteral("help.png")) && all;
  return all ? 0 : 1;
}

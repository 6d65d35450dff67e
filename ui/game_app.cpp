// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_app.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "game/further_options.h"
#include "ui/game_style.h"
#include "ui/language.h"
#include "ui/new_game_dialog.h"
#include "ui/splash_window.h"
#include "ui/table_window.h"

namespace qorza {

namespace {

// Start-up measurements: QORZA_QUIT_AFTER_FIRST_PAINT=1 quits once the first
// window has painted; QORZA_QUIT_AT_NEW_GAME_DIALOG=1 once the new-game
// dialog is about to show. Both say so on standard output.
bool envFlag(const char* name) { return qEnvironmentVariableIntValue(name) == 1; }

QElapsedTimer& sinceStart() {
  static QElapsedTimer timer;
  if (!timer.isValid()) {
    timer.start();
  }
  return timer;
}

}  // namespace

const char* const kFaultNotice = QT_TRANSLATE_NOOP(
    "Qorza", "حدث خطأ غير متوقع، فستُغلق اللعبة الآن، وتبقى مباراتك المحفوظة كما كانت.");

void startStartupClock() { sinceStart(); }

void showEndingNotice(const QString& line) {
  if (envFlag("QORZA_NOTICES_ON_STDOUT")) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Qorza"), line, QMessageBox::Ok);
  box.setLayoutDirection(textDirection());
  box.setPalette(windowPalette(QColor(212, 208, 200), Qt::black));
  box.exec();
}

GameApp::GameApp() : game_(platform_) {
  sinceStart();
  quitAfterFirstPaint_ = envFlag("QORZA_QUIT_AFTER_FIRST_PAINT");
  quitAtNewGameDialog_ = envFlag("QORZA_QUIT_AT_NEW_GAME_DIALOG");
  if (quitAfterFirstPaint_) {
    qApp->installEventFilter(this);
  }
  // Until a back is confirmed the table shows the dialog's first design.
  game_.chosenBack = backPictureOf(kBackIndexes.front());
  // The remembered settings, the back and the winning points among them,
  // are the game's before any window reads them; the table's load resets
  // some, so they are restored again after it.
  memory_.load();
  memory_.restoreSettings();
  platform_.onNewGameDialog = [this](NewGameDialog&) {
    closeSplash();
    if (quitAtNewGameDialog_) {
      std::printf("new-game dialog after %lld ms\n",
                  static_cast<long long>(sinceStart().elapsed()));
      std::fflush(stdout);
      platform_.setEnding();
      QCoreApplication::exit(0);
    }
  };
}

GameApp::~GameApp() {
  saveAtExit();
  qApp->removeEventFilter(this);
  delete splash_.data();
  table_.reset();
}

void GameApp::start() {
  splash_ = new SplashWindow([this] { handOff(); });
  splash_->showAtStart();
}

void GameApp::handOff() {
  // A program already leaving (a start-up measurement ends at the first
  // paint) builds no table.
  if (table_ || platform_.ending()) {
    return;
  }
  applyStartupDefaults(game_);
  table_ = std::make_unique<TableWindow>(game_, platform_);
  memory_.restoreSettings();
  table_->setMemory(&memory_);
  table_->beforeStartQuestions = [this] { closeSplash(); };
  if (!memory_.settings().geometry.isEmpty()) {
    table_->centreAtStart = !table_->restoreGeometry(memory_.settings().geometry);
  }
  table_->show();
}

void GameApp::saveAtExit() {
  // Nothing is written before the table has started a match or offered
  // the saved one: a start cut short leaves the files as they were.
  if (!table_ || !game_.Activated || table_->turnRunning()) {
    return;
  }
  memory_.saveSettings(table_->saveGeometry());
  memory_.saveProgress();
}

void GameApp::endAfterFault() {
  memory_.stopWriting();
  platform_.setEnding();
  closeSplash();
  showEndingNotice(gameWords(kFaultNotice));
  QCoreApplication::exit(1);
}

void GameApp::closeSplash() {
  if (splash_) {
    splash_->close();
    splash_->deleteLater();
  }
}

bool GameApp::eventFilter(QObject* watched, QEvent* event) {
  if (quitAfterFirstPaint_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
    quitAfterFirstPaint_ = false;
    QTimer::singleShot(0, qApp, [this] {
      std::printf("first paint after %lld ms\n", static_cast<long long>(sinceStart().elapsed()));
      std::fflush(stdout);
      platform_.setEnding();
      QCoreApplication::exit(0);
    });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qorza

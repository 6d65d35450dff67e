// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_platform.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <thread>

#include "game/game_state.h"
#include "ui/new_game_dialog.h"
#include "ui/results_window.h"

namespace qorza {

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() { delete results_.data(); }

void QtPlatform::setTable(QWidget* table) { table_ = table; }
void QtPlatform::setDialogParent(QWidget* parent) { dialogParent_ = parent; }

void QtPlatform::doEvents() {
  if (ending_) {
    return;
  }
  if (table_) {
    table_->update();
  }
  QCoreApplication::processEvents();
}

void QtPlatform::sleepMs(int ms) {
  if (ending_ || ms <= 0) {
    return;
  }
  if (table_) {
    table_->update();
  }
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  pauses_.append(&loop);
  loop.exec();
  pauses_.removeOne(&loop);
}

void QtPlatform::think(const std::function<void()>& work) {
  std::atomic<bool> done = false;
  std::thread worker([&work, &done] {
    work();
    done = true;
  });
  if (!ending_) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&loop, &done] {
      if (done) {
        loop.quit();
      }
    });
    poll.start(5);
    pauses_.append(&loop);
    if (!done) {
      loop.exec();
    }
    pauses_.removeOne(&loop);
  }
  worker.join();
}

void QtPlatform::setEnding() {
  ending_ = true;
  for (QEventLoop* pause : pauses_) {
    pause->quit();
  }
}

void QtPlatform::playSound(const std::string& path) {
  if (!ending_) {
    sound_.play(QString::fromStdString(path));
  }
}

bool QtPlatform::runNewGameDialog(Game& game) {
  if (ending_) {
    return false;
  }
  NewGameDialog dialog(game, dialogParent_);
  dialog.presetFromGame();
  if (onNewGameDialog) {
    onNewGameDialog(dialog);
  }
  if (ending_) {
    return false;
  }
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (table_) {
    table_->update();
  }
  if (accepted && !ending_ && onNewGameAccepted) {
    onNewGameAccepted(game);
  }
  return accepted && !ending_;
}

void QtPlatform::showResults(Game& game) {
  if (onResultsShowing) {
    onResultsShowing(game);  // counted even when the window no longer shows
  }
  if (ending_) {
    return;
  }
  if (!results_) {
    results_ = new ResultsWindow(dialogParent_);
  }
  results_->showModal(game);
  if (table_) {
    table_->update();
  }
}

}  // namespace qorza

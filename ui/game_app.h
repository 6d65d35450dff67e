// SPDX-License-Identifier: GPL-3.0-or-later
// The running program: the game, its Qt platform and its windows, and the
// start-up from the splash window to the first deal.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "game/game_state.h"
#include "ui/game_memory.h"
#include "ui/qt_platform.h"

namespace qorza {

// Starts the clock the start-up measurements read; main calls it first.
void startStartupClock();

// Shows a line that ends the game in a message box (on standard output
// instead with QORZA_NOTICES_ON_STDOUT=1, for tests).
void showEndingNotice(const QString& line);

// The Arabic line of a fault in the game's code.
extern const char* const kFaultNotice;

class SplashWindow;
class TableWindow;

class GameApp : public QObject {
  Q_OBJECT

 public:
  GameApp();
  ~GameApp() override;

  // Shows the splash window; its first tick hands over to the table.
  void start();

  Game& game() { return game_; }
  QtPlatform& platform() { return platform_; }
  TableWindow* tableWindow() const { return table_.get(); }
  GameMemory& memory() { return memory_; }

  // At exit: the settings, the statistics and the match in progress.
  void saveAtExit();

  // After a fault caught in the window code: the files stay as the last
  // completed turn left them, the player reads one line and the game ends
  // with status 1.
  void endAfterFault();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void handOff();
  void closeSplash();

  QtPlatform platform_;
  Game game_;
  GameMemory memory_{game_};
  std::unique_ptr<TableWindow> table_;
  QPointer<SplashWindow> splash_;
  bool quitAfterFirstPaint_ = false;
  bool quitAtNewGameDialog_ = false;
};

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// The game's desktop under Qt: pauses that keep the windows alive, the sound
// player, and the modal windows the game logic asks for.
#pragma once

#include <QList>
#include <QPointer>
#include <functional>

#include "game/platform.h"
#include "ui/sound_player.h"

class QEventLoop;
class QWidget;

namespace qorza {

class NewGameDialog;
class ResultsWindow;

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  void doEvents() override;
  void sleepMs(int ms) override;
  // The work runs on a thread of its own while the window's events flow; an
  // exit meanwhile stops waiting for events, and the work is still seen to
  // its end (it touches no game state) before this returns.
  void think(const std::function<void()>& work) override;
  void playSound(const std::string& path) override;
  bool runNewGameDialog(Game& game) override;
  void showResults(Game& game) override;

  // The table that repaints while the game pauses; the parent of the modal
  // windows.
  void setTable(QWidget* table);
  void setDialogParent(QWidget* parent);

  // The program is ending: pauses return at once, no more windows open, so
  // a turn cut short by the exit finishes without waiting for anything.
  void setEnding();
  bool ending() const { return ending_; }

  SoundPlayer& sound() { return sound_; }

  // Runs when the new-game dialog has been created and is about to show.
  std::function<void(NewGameDialog&)> onNewGameDialog;
  // Runs when the new-game dialog's OK has set up a new match.
  std::function<void(Game&)> onNewGameAccepted;
  // Runs just before the results window shows.
  std::function<void(Game&)> onResultsShowing;

 private:
  SoundPlayer sound_;
  QPointer<QWidget> table_;
  QPointer<QWidget> dialogParent_;
  QPointer<ResultsWindow> results_;
  bool ending_ = false;
  QList<QEventLoop*> pauses_;  // the pauses running now, innermost last
};

}  // namespace qorza

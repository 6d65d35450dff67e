// SPDX-License-Identifier: GPL-3.0-or-later
// What the game logic needs of the desktop around it: timed pauses that keep
// events flowing, sound playback and the modal windows. The Qt front end
// implements it; tests and headless tools fake it.
#pragma once

#include <functional>
#include <string>

namespace qorza {

struct Game;

class Platform {
 public:
  virtual ~Platform() = default;

  // Lets pending window events run (repaints, clicks, menu commands).
  virtual void doEvents() = 0;
  // Pauses the game for ms milliseconds; events keep flowing meanwhile.
  virtual void sleepMs(int ms) = 0;
  // Runs a long computation that touches no game state (the expert's
  // thinking) and returns when it is done. A desktop may run it on another
  // thread and keep its events flowing meanwhile; by default it just runs.
  virtual void think(const std::function<void()>& work) { work(); }

  // Starts the WAV file at path without waiting; it cuts off any sound of
  // this program still playing. Never fails visibly.
  virtual void playSound(const std::string& path) = 0;

  // Shows the new-game options dialog modally. Its OK applies the choices to
  // the game (applyNewGameOptions); true once that OK succeeded, false when
  // the dialog was closed without it.
  virtual bool runNewGameDialog(Game& game) = 0;

  // Shows the results window (game.frm_results) modally and returns when it
  // has been dismissed, by its OK or its close box.
  virtual void showResults(Game& game) = 0;
};

}  // namespace qorza

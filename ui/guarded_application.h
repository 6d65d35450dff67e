// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt application of the game: a fault (an exception) that escapes from
// the game's code into the window code is caught where every event is
// delivered, instead of aborting the program; what follows is the game's
// choice (it ends with one line and leaves its files as they were).
#pragma once

#include <QApplication>
#include <functional>

namespace qorza {

class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Called once, at the first fault, with its description; later faults
  // are only logged. Without it the application quits with status 1.
  std::function<void(const char* what)> onFault;

 private:
  void caught(const char* what);

  bool faulted_ = false;
};

}  // namespace qorza

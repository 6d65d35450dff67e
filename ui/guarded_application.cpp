// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/guarded_application.h"

#include <cstdio>
#include <exception>

namespace qorza {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& fault) {
    caught(fault.what());
  } catch (...) {
    caught("an unknown exception");
  }
  return false;
}

void GuardedApplication::caught(const char* what) {
  std::fprintf(stderr, "qorza: fault in the game: %s\n", what);
  std::fflush(stderr);
  if (faulted_) {
    return;
  }
  faulted_ = true;
  if (onFault) {
    onFault(what);
  } else {
    QCoreApplication::exit(1);
  }
}

}  // namespace qorza

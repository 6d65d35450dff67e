// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_lock.h"

#include "ui/app_files.h"

namespace qorza {

const char* const kAlreadyRunningNotice =
    QT_TRANSLATE_NOOP("Qorza", "لعبة Qorza مفتوحة الآن في نافذة أخرى، فتابع اللعب فيها.");

GameLock::GameLock() : lock_(lockPath()) {
  // A game runs for hours: only a lock whose process is gone is stale.
  lock_.setStaleLockTime(0);
}

GameLock::State GameLock::take() {
  makeFolder(dataFolder());
  if (lock_.tryLock(0)) {
    return State::Held;
  }
  return lock_.error() == QLockFile::LockFailedError ? State::HeldByAnother : State::Unavailable;
}

}  // namespace qorza

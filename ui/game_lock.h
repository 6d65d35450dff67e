// SPDX-License-Identifier: GPL-3.0-or-later
// One game at a time on the player's folders: a lock file in the data
// folder, held while the game runs. A lock left by a game that was killed
// is found stale (its process is gone) and taken over.
#pragma once

#include <QLockFile>

namespace qorza {

class GameLock {
 public:
  GameLock();

  enum class State {
    Held,           // this program holds the lock
    HeldByAnother,  // another game runs on these folders
    Unavailable,    // no lock can be made there (a folder that refuses writes)
  };
  // Tries once, without waiting.
  State take();
  // Lets go of a lock this program holds (the destructor does too).
  void release() { lock_.unlock(); }

 private:
  QLockFile lock_;
};

// The Arabic line a second start shows before it ends.
extern const char* const kAlreadyRunningNotice;

}  // namespace qorza

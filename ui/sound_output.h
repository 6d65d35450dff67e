// SPDX-License-Identifier: GPL-3.0-or-later
// The sound output the player loads at its first sound: the multimedia
// libraries live in the module modules/qorza-sound beside the program, so
// that they are not loaded at start.
#pragma once

#include <QString>

namespace qorza {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Cuts off the sound still playing, then starts the WAV file at path
  // without waiting; a missing file only stops the old sound.
  virtual void play(const QString& path) = 0;
};

// The module's one entry point, looked up by this name.
using CreateSoundOutput = SoundOutput* (*)();
inline constexpr const char* kCreateSoundOutput = "qorzaCreateSoundOutput";

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sound_player.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibrary>

#include "ui/sound_output.h"

namespace qorza {

SoundPlayer::SoundPlayer(QObject* parent) : SoundPlayer(recordOnlyFromEnvironment(), parent) {}

SoundPlayer::SoundPlayer(bool recordOnly, QObject* parent)
    : QObject(parent), recordOnly_(recordOnly) {}

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::recordOnlyFromEnvironment() {
  if (qEnvironmentVariableIntValue("QORZA_TEST") == 1) {
    return true;
  }
  const QString platform = QGuiApplication::platformName().isEmpty()
                               ? qEnvironmentVariable("QT_QPA_PLATFORM")
                               : QGuiApplication::platformName();
  return platform.startsWith(QLatin1String("offscreen"));
}

// The module in modules/ beside the program, loaded once; none when it
// cannot load.
SoundOutput* SoundPlayer::output() {
  if (!outputTried_) {
    outputTried_ = true;
    QLibrary module(QCoreApplication::applicationDirPath() +
                    QStringLiteral("/modules/qorza-sound"));
    auto create = reinterpret_cast<CreateSoundOutput>(module.resolve(kCreateSoundOutput));
    if (create != nullptr) {
      output_.reset(create());  // the module stays loaded: QLibrary never unloads by itself
    }
  }
  return output_.get();
}

void SoundPlayer::play(const QString& path) {
  if (recordOnly_) {
    recorded_.append(path);
    return;
  }
  if (SoundOutput* out = output()) {
    out->play(path);
  }
}

}  // namespace qorza

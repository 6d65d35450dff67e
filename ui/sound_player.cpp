#include "ui/sound_player.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QSoundEffect>
#include <QUrl>

namespace qorza {

SoundPlayer::SoundPlayer(QObject* parent) : SoundPlayer(recordOnlyFromEnvironment(), parent) {}

SoundPlayer::SoundPlayer(bool recordOnly, QObject* parent)
    : QObject(parent), recordOnly_(recordOnly) {}

bool SoundPlayer::recordOnlyFromEnvironment() {
  if (qEnvironmentVariableIntValue("QORZA_TEST") == 1) {
    return true;
  }
  const QString platform = QGuiApplication::platformName().isEmpty()
                               ? qEnvironmentVariable("QT_QPA_PLATFORM")
                               : QGuiApplication::platformName();
  return platform.startsWith(QLatin1String("offscreen"));
}

QSoundEffect* SoundPlayer::effectFor(const QString& path) {
  auto found = effects_.constFind(path);
  if (found != effects_.constEnd()) {
    return found.value();
  }
  auto* effect = new QSoundEffect(this);
  effect->setSource(QUrl::fromLocalFile(path));
  effects_.insert(path, effect);
  return effect;
}

void SoundPlayer::play(const QString& path) {
  if (recordOnly_) {
    recorded_.append(path);
    return;
  }
  // Each new sound cuts off the one still playing, even when it cannot play.
  if (playing_ != nullptr) {
    playing_->stop();
    playing_ = nullptr;
  }
  if (!QFileInfo(path).isFile()) {
    return;
  }
  playing_ = effectFor(path);
  playing_->play();  // loads in the background when it must; never awaited
}

}  // namespace qorza

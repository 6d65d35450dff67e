// Plays the game's WAV files in the background: one sound at a time, a new
// one cutting off the one still playing. A missing file or a machine without
// sound stays silent. Under tests or offscreen it only records the requests.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QSoundEffect;

namespace qorza {

class SoundPlayer : public QObject {
  Q_OBJECT

 public:
  // Recording is chosen from the environment: QORZA_TEST=1 or the
  // offscreen platform never open the audio device.
  explicit SoundPlayer(QObject* parent = nullptr);
  SoundPlayer(bool recordOnly, QObject* parent);

  // Starts the file without waiting; never reports a failure.
  void play(const QString& path);

  bool recordsOnly() const { return recordOnly_; }
  // The files asked for, in order, while recording.
  const QStringList& recorded() const { return recorded_; }

  static bool recordOnlyFromEnvironment();

 private:
  QSoundEffect* effectFor(const QString& path);

  bool recordOnly_;
  QStringList recorded_;
  QHash<QString, QSoundEffect*> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the game's WAV files in the background: one sound at a time, a new
// one cutting off the one still playing. A missing file, a machine without
// sound or a missing sound module stays silent. The module (and with it the
// multimedia libraries) loads at the first sound. Under tests or offscreen
// it only records the requests.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace qorza {

class SoundOutput;

class SoundPlayer : public QObject {
  Q_OBJECT

 public:
  // Recording is chosen from the environment: QORZA_TEST=1 or the
  // offscreen platform never open the audio device.
  explicit SoundPlayer(QObject* parent = nullptr);
  SoundPlayer(bool recordOnly, QObject* parent);
  ~SoundPlayer() override;

  // Starts the file without waiting; never reports a failure.
  void play(const QString& path);

  bool recordsOnly() const { return recordOnly_; }
  // The files asked for, in order, while recording.
  const QStringList& recorded() const { return recorded_; }

  static bool recordOnlyFromEnvironment();

 private:
  SoundOutput* output();

  bool recordOnly_;
  QStringList recorded_;
  bool outputTried_ = false;
  std::unique_ptr<SoundOutput> output_;
};

}  // namespace qorza

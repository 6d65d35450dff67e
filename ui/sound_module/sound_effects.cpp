// SPDX-License-Identifier: GPL-3.0-or-later
// The module qorza-sound: plays the WAV files through Qt Multimedia, one
// sound at a time, each file loaded once and kept.
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>

#include "ui/sound_output.h"

namespace qorza {
namespace {

class SoundEffects : public SoundOutput {
 public:
  void play(const QString& path) override {
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

 private:
  QSoundEffect* effectFor(const QString& path) {
    std::unique_ptr<QSoundEffect>& effect = effects_[path];
    if (!effect) {
      effect = std::make_unique<QSoundEffect>();
      effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect.get();
  }

  std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace
}  // namespace qorza

extern "C" Q_DECL_EXPORT qorza::SoundOutput* qorzaCreateSoundOutput() {
  return new qorza::SoundEffects;
}

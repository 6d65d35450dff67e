// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player keeps the multimedia libraries out of the start-up: they
// load with the sound module at the first sound, never before.
#include <QApplication>
#include <QFile>
#include <QTest>

#include "ui/sound_player.h"

namespace qorza {
namespace {

bool multimediaLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

}  // namespace

class SoundPlayerTest : public QObject {
  Q_OBJECT

 private slots:
  void multimediaLoadsAtTheFirstSoundOnly() {
    SoundPlayer recorder(true, nullptr);  // tests and offscreen runs
    recorder.play(QStringLiteral("/nowhere/ONE.wav"));
    QCOMPARE(recorder.recorded(), QStringList{"/nowhere/ONE.wav"});
    QVERIFY(!multimediaLoaded());

    SoundPlayer player(false, nullptr);
    QVERIFY(!multimediaLoaded());
    player.play(QStringLiteral("/nowhere/ONE.wav"));  // a missing file plays nothing
    QVERIFY(multimediaLoaded());
    player.play(QStringLiteral("/nowhere/TWO.wav"));
    QVERIFY(player.recorded().isEmpty());
  }
};

}  // namespace qorza

QTEST_MAIN(qorza::SoundPlayerTest)
#include "sound_player_test.moc"

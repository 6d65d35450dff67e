// SPDX-License-Identifier: GPL-3.0-or-later
// The real game binary started offscreen: it reaches the new-game dialog, and
// it paints its first window, each time ending cleanly by itself.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

class SmokeTest : public QObject {
  Q_OBJECT

 private:
  // Runs bin/qorza with one extra variable; its standard output.
  static QString runGame(const QString& variable, int* exitCode) {
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QORZA_TEST", "1");
    env.insert(variable, "1");
    // A folder of its own: no saved match or settings of the player's.
    static QTemporaryDir home;
    env.insert("XDG_CONFIG_HOME", home.path() + "/config");
    env.insert("XDG_DATA_HOME", home.path() + "/data");
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(QORZA_BIN), {});
    if (!game.waitForFinished(30000)) {
      game.kill();
      game.waitForFinished();
      *exitCode = -1;
      return {};
    }
    *exitCode = game.exitStatus() == QProcess::NormalExit ? game.exitCode() : -2;
    const QString err = QString::fromLocal8Bit(game.readAllStandardError());
    if (err.contains("QPainter") || err.contains("ASSERT") || err.contains("QObject::")) {
      qWarning("unexpected diagnostics: %s", qPrintable(err));
      *exitCode = -3;
    }
    return QString::fromLocal8Bit(game.readAllStandardOutput());
  }

 private slots:
  void reachesTheNewGameDialog() {
    int code = 0;
    const QString out = runGame("QORZA_QUIT_AT_NEW_GAME_DIALOG", &code);
    QCOMPARE(code, 0);
    QVERIFY2(out.contains("new-game dialog after"), qPrintable(out));
  }

  void quitsAfterTheFirstPaint() {
    int code = 0;
    const QString out = runGame("QORZA_QUIT_AFTER_FIRST_PAINT", &code);
    QCOMPARE(code, 0);
    QVERIFY2(out.contains("first paint after"), qPrintable(out));
  }
};

QTEST_GUILESS_MAIN(SmokeTest)
#include "smoke_test.moc"

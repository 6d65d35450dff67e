// SPDX-License-Identifier: GPL-3.0-or-later
// The game's command line, run as a player would from a terminal without a
// display: --version, --help, --stats (text and JSON) and --forget, over a
// temporary XDG folder.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/statistics_file.h"

class CommandLineTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir home;
  QString out;
  QString err;

  QString config() const { return home.path() + "/config/qorza/qorza.conf"; }
  QString data(const QString& name) const { return home.path() + "/data/qorza/" + name; }

  // Runs the game with arguments and no display at all; its exit status.
  int run(const QStringList& arguments) {
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("XDG_CONFIG_HOME", home.path() + "/config");
    env.insert("XDG_DATA_HOME", home.path() + "/data");
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(QORZA_BIN), arguments);
    if (!game.waitForFinished(20000)) {
      game.kill();
      return -1;
    }
    out = QString::fromUtf8(game.readAllStandardOutput());
    err = QString::fromUtf8(game.readAllStandardError());
    return game.exitStatus() == QProcess::NormalExit ? game.exitCode() : -2;
  }

  static void put(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
  }

  static qorza::Statistics sample() {
    qorza::Statistics s;
    qorza::VariantStatistics& a = s[qorza::VariantKey{52, 4, 1}];
    a.matchesPlayed = 3;
    a.matchesWon = 2;
    a.dealsPlayed = 4;
    a.dealScoreTotal = 50;
    a.bestDealScore = 20;
    return s;
  }

 private slots:
  void versionAndHelpNeedNoDisplay() {
    QCOMPARE(run({"--version"}), 0);
    QVERIFY2(out.contains(QStringLiteral("qorza 1.")), qPrintable(out));
    QCOMPARE(run({"--help"}), 0);
    for (const char* option : {"--stats", "--json", "--forget", "--version"}) {
      QVERIFY2(out.contains(QLatin1String(option)), option);
    }
  }

  void statsPrintTextAndJson() {
    QCOMPARE(run({"--stats"}), 0);
    QVERIFY2(out.contains(QStringLiteral("No matches")), qPrintable(out));
    put(data("statistics.json"), qorza::statisticsJson(sample()));
    QCOMPARE(run({"--stats"}), 0);
    QVERIFY2(out.contains(QStringLiteral("Variant 52/4, level 1")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("average deal score 12.5")), qPrintable(out));
    QCOMPARE(run({"--stats", "--json"}), 0);
    QCOMPARE(qorza::statisticsFromJson(out.toUtf8()), std::optional(sample()));
    // Nothing else is written by reading.
    QVERIFY(!QFileInfo::exists(config()));
  }

  void statsOfADamagedFileSayItAndStartFresh() {
    put(data("statistics.json"), "{\"version\": 9}");
    QCOMPARE(run({"--stats", "--json"}), 0);
    QVERIFY(err.contains(QStringLiteral(".bad")));
    QVERIFY(QFileInfo::exists(data("statistics.json.bad")));
    QCOMPARE(QJsonDocument::fromJson(out.toUtf8()).object().value("version").toInt(), 1);
  }

  void forgetDeletesEverythingAndSaysWhat() {
    put(config(), "[game]\nlevel=3\n");
    put(data("statistics.json"), qorza::statisticsJson(sample()));
    put(data("match.json"), "{}");
    QCOMPARE(run({"--forget"}), 0);
    QVERIFY2(out.contains(QStringLiteral("the settings")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("the statistics")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("the saved match")), qPrintable(out));
    QVERIFY(!QFileInfo::exists(config()));
    QVERIFY(!QFileInfo::exists(data("statistics.json")));
    QVERIFY(!QFileInfo::exists(data("match.json")));
    QCOMPARE(run({"--forget"}), 0);
    QVERIFY2(out.contains(QStringLiteral("Nothing to forget")), qPrintable(out));
  }

  void jsonAloneIsRefused() {
    QCOMPARE(run({"--json"}), 2);
    QVERIFY(err.contains(QStringLiteral("--stats")));
  }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"

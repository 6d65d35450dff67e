// SPDX-License-Identifier: GPL-3.0-or-later
// The game's command line, run as a player would from a terminal without a
// display: --version, --help, --stats (text and JSON) and --forget, over a
// temporary XDG folder; and one game at a time on those folders.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/game_lock.h"
#include "ui/statistics_file.h"

class CommandLineTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir home;
  QString out;
  QString err;

  QString config() const { return home.path() + "/config/qorza/qorza.conf"; }
  QString data(const QString& name) const { return home.path() + "/data/qorza/" + name; }

  // The game over the temporary folders; windows go offscreen when it has
  // any (the command line needs no display at all).
  void start(QProcess& game, const QStringList& arguments, const QString& windowsVariable = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    if (!windowsVariable.isEmpty()) {
      env.insert("QT_QPA_PLATFORM", "offscreen");
      env.insert("QORZA_TEST", "1");
      env.insert(windowsVariable, "1");
    }
    env.insert("XDG_CONFIG_HOME", home.path() + "/config");
    env.insert("XDG_DATA_HOME", home.path() + "/data");
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(QORZA_BIN), arguments);
  }

  // Runs the game to its end; its exit status.
  int run(const QStringList& arguments, const QString& windowsVariable = {}) {
    QProcess game;
    start(game, arguments, windowsVariable);
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

  void statsOfADamagedFileSayItAndStartFresh_data() {
    QTest::addColumn<bool>("pipe");
    QTest::newRow("future version") << false;
    QTest::newRow("pipe, never read") << true;
  }

  void statsOfADamagedFileSayItAndStartFresh() {
    QFETCH(bool, pipe);
    QFile::remove(data("statistics.json.bad"));
    if (pipe) {
      QDir().mkpath(data(""));
      QCOMPARE(::mkfifo(QFile::encodeName(data("statistics.json")).constData(), 0600), 0);
    } else {
      put(data("statistics.json"), "{\"version\": 9}");
    }
    QCOMPARE(run({"--stats", "--json"}), 0);
    QVERIFY(err.contains(QStringLiteral(".bad")));
    QVERIFY(QFileInfo::exists(data("statistics.json.bad")));
    QCOMPARE(QJsonDocument::fromJson(out.toUtf8()).object().value("version").toInt(), 1);
  }

  void forgetDeletesEverythingAndSaysWhat() {
    put(config(), "[game]\nlevel=3\n");
    put(data("statistics.json"), qorza::statisticsJson(sample()));
    put(data("match.json"), "{}");
    // Copies left by a write cut short go too.
    put(data("match.json.Ab12Cd"), "{");
    put(config() + ".q1W2e3", "[");
    QCOMPARE(run({"--forget"}), 0);
    QVERIFY2(out.contains(QStringLiteral("the settings")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("the statistics")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("the saved match")), qPrintable(out));
    QVERIFY(!QFileInfo::exists(config()));
    QVERIFY(!QFileInfo::exists(data("statistics.json")));
    QVERIFY(!QFileInfo::exists(data("match.json")));
    QVERIFY(!QFileInfo::exists(data("match.json.Ab12Cd")));
    QVERIFY(!QFileInfo::exists(config() + ".q1W2e3"));
    QCOMPARE(run({"--forget"}), 0);
    QVERIFY2(out.contains(QStringLiteral("Nothing to forget")), qPrintable(out));
  }

  void oneGameAtATime() {
    QProcess first;
    start(first, {}, "QORZA_TEST");  // waits at the new-game dialog
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(data("qorza.lock")), 20000);
    put(data("statistics.json"), qorza::statisticsJson(sample()));
    put(data("match.json.Ab12Cd"), "{");  // a copy a killed write left
    // A second start says so in one line and ends, touching nothing.
    QCOMPARE(run({}, "QORZA_NOTICES_ON_STDOUT"), 1);
    QCOMPARE(out.trimmed(), QString::fromUtf8(qorza::kAlreadyRunningNotice));
    QVERIFY(QFileInfo::exists(data("match.json.Ab12Cd")));
    // The statistics are shown; nothing is deleted under the running game.
    QCOMPARE(run({"--stats"}), 0);
    QVERIFY2(out.contains(QStringLiteral("Variant 52/4, level 1")), qPrintable(out));
    QCOMPARE(run({"--forget"}), 1);
    QVERIFY2(err.contains(QStringLiteral("running")), qPrintable(err));
    QVERIFY(QFileInfo::exists(data("statistics.json")));
    // A killed game's lock is stale: it stops nobody, and the next game
    // clears the copies left beside its files.
    first.kill();
    first.waitForFinished();
    QVERIFY(QFileInfo::exists(data("qorza.lock")));
    QCOMPARE(run({}, "QORZA_QUIT_AT_NEW_GAME_DIALOG"), 0);
    QVERIFY2(out.contains(QStringLiteral("new-game dialog")), qPrintable(out));
    QVERIFY(!QFileInfo::exists(data("match.json.Ab12Cd")));
    QCOMPARE(run({"--forget"}), 0);
    QVERIFY(!QFileInfo::exists(data("statistics.json")));
  }

  void theLanguageIsArabicOrEnglish() {
    for (const QStringList& wrong : {QStringList{"--lang", "fr"}, QStringList{"--lang"}}) {
      QCOMPARE(run(wrong, "QORZA_QUIT_AT_NEW_GAME_DIALOG"), 2);
      QVERIFY2(err.contains(QStringLiteral("--lang")), qPrintable(err));
    }
    QCOMPARE(run({"--lang=en"}, "QORZA_QUIT_AT_NEW_GAME_DIALOG"), 0);
    QVERIFY2(out.contains(QStringLiteral("new-game dialog")), qPrintable(out));
  }

  void jsonAloneIsRefused() {
    QCOMPARE(run({"--json"}), 2);
    QVERIFY(err.contains(QStringLiteral("--stats")));
  }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"

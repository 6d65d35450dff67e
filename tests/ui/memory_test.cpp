// SPDX-License-Identifier: GPL-3.0-or-later
// What the game remembers, in a temporary XDG folder: settings that survive
// a restart, statistics and saved-match files, damaged files of every kind
// moved aside without a crash, a folder that refuses writes, file modes.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "game/bounds.h"
#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "tests/support/test_files.h"
#include "ui/app_files.h"
#include "ui/game_memory.h"
#include "ui/new_game_dialog.h"
#include "ui/qt_platform.h"
#include "ui/settings_store.h"
#include "ui/statistics_file.h"
#include "ui/sub_option_dialog.h"

using namespace qorza;

namespace {

using testing::readFile;
using testing::writeFile;

Statistics sampleStatistics() {
  Statistics s;
  VariantStatistics& a = s[VariantKey{52, 6, 2}];
  a.matchesPlayed = 5;
  a.matchesWon = 3;
  a.matchesLost = 1;
  a.dealsPlayed = 12;
  a.dealScoreTotal = 130;
  a.bestDealScore = 27;
  a.qorzas = 4;
  a.currentStreak = 2;
  a.longestStreak = 2;
  a.hintsUsed = 7;
  a.undosUsed = 3;
  s[VariantKey{44, 4, 3}].matchesPlayed = 1;
  return s;
}

}  // namespace

class MemoryTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home;

 private slots:
  void init() {
    home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", (home->path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home->path() + "/data").toUtf8());
  }

  void cleanup() { home.reset(); }

  void settingsSurviveARestart() {
    QtPlatform platform;
    {
      Game game(platform);
      Form_Load(game, "");
      game.PlayerName(1) = "سامر";
      game.PlayerName(2) = "الخصم";
      game.SkillLevel = 3;
      game.HandSize = 4;
      game.DelayMs = 1500;
      game.SoundOn = false;
      game.chosenBack = "back-3";
      game.winningPointsText = "301";
      setChosenLanguage(Language::English);
      GameMemory memory(game);
      memory.saveSettings(QByteArray("where the window was"));
      setChosenLanguage(std::nullopt);
    }
    QCOMPARE(rememberedLanguage(), std::optional<Language>(Language::English));
    Game game(platform);
    Form_Load(game, "");  // the table window's load sets its defaults first
    GameMemory memory(game);
    memory.load();
    QVERIFY(memory.takeNotices().isEmpty());
    memory.restoreSettings();
    QCOMPARE(game.PlayerName(1), std::string("سامر"));
    QCOMPARE(game.PlayerName(2), std::string("الخصم"));
    QCOMPARE(game.SkillLevel, 3);
    QCOMPARE(game.HandSize, 4);
    QCOMPARE(game.DelayMs, 1500);
    QCOMPARE(game.SoundOn, false);
    QCOMPARE(game.chosenBack, std::string("back-3"));
    QCOMPARE(game.winningPointsText, std::string("301"));
    QCOMPARE(memory.settings().geometry, QByteArray("where the window was"));
    QCOMPARE(chosenLanguage(), std::optional<Language>(Language::English));
    setChosenLanguage(std::nullopt);
    // The new-game dialog opens with them; its variant still starts normal.
    NewGameDialog dialog(game);
    dialog.presetFromGame();
    QCOMPARE(dialog.nameBox()->text(), QStringLiteral("سامر"));
    QVERIFY(dialog.fourCardsOption()->isChecked());
    QVERIFY(dialog.levelOption(3)->isChecked());
    QVERIFY(dialog.normalOption()->isChecked());
    // So does the further-options dialog; its OK keeps the remembered back.
    SubOptionDialog options(game);
    QCOMPARE(options.findChild<QScrollBar*>("HS_SPEED")->value(), 1500);
    QCOMPARE(options.findChild<QComboBox*>("Combo1")->currentText(), QStringLiteral("301"));
    options.findChild<QPushButton*>("CMD_OK")->click();
    QCOMPARE(game.chosenBack, std::string("back-3"));
  }

  void filesAreTheOwnersOnly() {
    QtPlatform platform;
    Game game(platform);
    GameMemory memory(game);
    memory.saveSettings({});
    memory.statistics()[VariantKey{}].hintsUsed = 1;
    memory.saveStatistics();
    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    for (const QString& path : {settingsFilePath(), statisticsPath()}) {
      QVERIFY2(QFileInfo::exists(path), qPrintable(path));
      QCOMPARE(QFileInfo(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
               owner);
    }
    const QFileInfo folder(dataFolder());
    QVERIFY(!(folder.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther)));
    // Nothing but the two files is written.
    QCOMPARE(QDir(dataFolder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"statistics.json"});
    QCOMPARE(
        QDir(QFileInfo(settingsFilePath()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
        QStringList{"qorza.conf"});
  }

  void statisticsRoundTripAndRejectEveryTruncation() {
    Statistics sample = sampleStatistics();
    // Every figure at the top of its range, as counting leaves it.
    const int top = bounds::kStatisticsCount.hi;
    sample[VariantKey{52, 4, 1}] = {top, top, 0, top, 1'000'000, 1'000'000, top, top, top, top};
    sample[VariantKey{52, 4, 1}].dealScoreTotal = bounds::kMaxDealScoreTotal;
    const QByteArray json = statisticsJson(sample);
    QCOMPARE(statisticsFromJson(json), std::optional<Statistics>(sample));
    // A variant no game is dealt in is never written.
    Statistics unknown = sample;
    unknown[VariantKey{44, 6, 2}].hintsUsed = 1;
    QCOMPARE(statisticsJson(unknown), json);
    for (int n = 0; n < json.size(); ++n) {
      const QByteArray cut = json.left(n);
      // A cut inside the trailing whitespace is still the whole file.
      if (cut.trimmed() == json.trimmed()) continue;
      QVERIFY2(!statisticsFromJson(cut), qPrintable(QString::number(n)));
    }
  }

  void statisticsWrittenBeforeUndosWereCountedStillLoad() {
    QJsonDocument doc = QJsonDocument::fromJson(statisticsJson(sampleStatistics()));
    QJsonObject root = doc.object();
    QJsonArray variants = root.value("variants").toArray();
    for (QJsonValueRef entry : variants) {
      QJsonObject o = entry.toObject();
      o.remove("undosUsed");
      entry = o;
    }
    root.insert("variants", variants);
    const auto read = statisticsFromJson(QJsonDocument(root).toJson());
    QVERIFY(read.has_value());
    Statistics expected = sampleStatistics();
    expected[VariantKey{52, 6, 2}].undosUsed = 0;
    QCOMPARE(*read, expected);
  }

  void damagedStatisticsStartFreshWithABadCopy_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not json") << QByteArray("\x89PNG garbage");
    QTest::newRow("truncated") << statisticsJson(sampleStatistics()).left(60);
    QTest::newRow("future version") << QByteArray(R"({"version": 2, "variants": []})");
    QTest::newRow("version as text") << QByteArray(R"({"version": "1", "variants": []})");
    QTest::newRow("variants not a list") << QByteArray(R"({"version": 1, "variants": {}})");
  }

  void damagedStatisticsStartFreshWithABadCopy() {
    QFETCH(QByteArray, content);
    // An older copy is replaced by the newly damaged file, never by nothing.
    writeFile(statisticsPath() + ".bad", "an older copy");
    writeFile(statisticsPath(), content);
    QtPlatform platform;
    Game game(platform);
    GameMemory memory(game);
    memory.load();
    QCOMPARE(memory.takeNotices(), QStringList{QString::fromUtf8(kStatisticsDamagedNotice)});
    QVERIFY(memory.statistics().empty());
    QVERIFY(!QFileInfo::exists(statisticsPath()));
    QCOMPARE(readFile(statisticsPath() + ".bad"),
             content.isEmpty() ? QByteArray("an older copy") : content);
  }

  // The sample's 52/6 entry spoilt: every figure of the right type within
  // its range, and only what play can count.
  void aDamagedEntryIsLeftOutAndTheOthersKept_data() {
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    const auto row = [](const char* name, const char* from, const char* to) {
      QTest::newRow(name) << QByteArray(from) << QByteArray(to);
    };
    row("figure as text", "\"hintsUsed\": 7", "\"hintsUsed\": \"7\"");
    row("fractional figure", "\"qorzas\": 4", "\"qorzas\": 4.5");
    row("unknown variant", "\"52/6\"", "\"44/6\"");
    row("negative count", "\"qorzas\": 4", "\"qorzas\": -4");
    row("negative undos", "\"undosUsed\": 3", "\"undosUsed\": -3");
    row("count past its top", "\"hintsUsed\": 7", "\"hintsUsed\": 1000000001");
    row("more wins than matches", "\"matchesWon\": 3", "\"matchesWon\": 6");
    row("wins and losses past the matches", "\"matchesLost\": 1", "\"matchesLost\": 3");
    row("a streak longer than the wins", "\"longestStreak\": 2", "\"longestStreak\": 4");
    row("a streak longer than the longest", "\"currentStreak\": 2", "\"currentStreak\": 3");
    row("best deal above the total", "\"bestDealScore\": 27", "\"bestDealScore\": 131");
    row("average above the best deal", "\"dealScoreTotal\": 130", "\"dealScoreTotal\": 400");
    row("negative deal total", "\"dealScoreTotal\": 130", "\"dealScoreTotal\": -130");
  }

  void aDamagedEntryIsLeftOutAndTheOthersKept() {
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    const QByteArray whole = statisticsJson(sampleStatistics());
    QVERIFY(whole.count(from) == 1);
    const QByteArray content = QByteArray(whole).replace(from, to);
    writeFile(statisticsPath(), content);
    QtPlatform platform;
    Game game(platform);
    GameMemory memory(game);
    memory.load();
    QCOMPARE(memory.takeNotices(), QStringList{QString::fromUtf8(kStatisticsPartlyDamagedNotice)});
    Statistics kept = sampleStatistics();
    kept.erase(VariantKey{52, 6, 2});
    QCOMPARE(memory.statistics(), kept);
    QCOMPARE(readFile(statisticsPath() + ".bad"), content);
    QCOMPARE(statisticsFromJson(readFile(statisticsPath())), std::optional<Statistics>(kept));
  }

  void unreadableStatisticsStartFresh() {
    // A folder where the file should be cannot be read, even by root.
    QDir().mkpath(statisticsPath());
    Statistics statistics = sampleStatistics();
    QCOMPARE(loadStatistics(statisticsPath(), &statistics), FileState::Damaged);
    QVERIFY(statistics.empty());
    QVERIFY(QFileInfo(statisticsPath() + ".bad").isDir());
  }

  void damagedSettingsStartFreshWithABadCopy_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("level as text") << QByteArray("version=1\n[game]\nlevel=hard\n");
    QTest::newRow("level out of range") << QByteArray("version=1\n[game]\nlevel=7\n");
    QTest::newRow("hand of five") << QByteArray("version=1\n[game]\nhandSize=5\n");
    QTest::newRow("sound neither on nor off") << QByteArray("version=1\n[table]\nsound=perhaps\n");
    QTest::newRow("no such back") << QByteArray("version=1\n[table]\nback=back-9\n");
    QTest::newRow("target of letters") << QByteArray("version=1\n[game]\ntarget=abc\n");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary garbage") << QByteArray(
        "\x7f"
        "ELF\x02\x01\x01\0\0\0",
        10);
    QTest::newRow("without its version") << QByteArray("[game]\nlevel=3\n");
    QTest::newRow("future version") << QByteArray("version=2\n");
    QTest::newRow("name as a list") << QByteArray("version=1\n[names]\nplayer1=a, b\n");
    QTest::newRow("no such language") << QByteArray("version=1\n[interface]\nlanguage=fr\n");
  }

  // Whatever the game holds, the settings file it writes reads back.
  void theSettingsWrittenReadBack() {
    QtPlatform platform;
    Game game(platform);
    Form_Load(game, "");
    game.PlayerName(1) = std::string(bounds::kMaxNameLength - 1, 'n') + "\xf0\x9f\x82\xa1";
    game.PlayerName(2) = std::string(300, 'm');
    game.DelayMs = 5000;
    game.winningPointsText = "-50";
    GameMemory memory(game);
    memory.saveSettings({});
    RememberedSettings read;
    QCOMPARE(loadSettings(&read), FileState::Read);
    QCOMPARE(read.player1Name.size(), bounds::kMaxNameLength - 1);
    QCOMPARE(read.player2Name, QString(bounds::kMaxNameLength, u'm'));
    QCOMPARE(read.delayMs, bounds::kDelayMs.hi);
    QCOMPARE(read.target, QStringLiteral("101"));
  }

  void damagedSettingsStartFreshWithABadCopy() {
    QFETCH(QByteArray, content);
    writeFile(settingsFilePath(), content);
    QtPlatform platform;
    Game game(platform);
    Form_Load(game, "");
    GameMemory memory(game);
    memory.load();
    QCOMPARE(memory.takeNotices(), QStringList{QString::fromUtf8(kSettingsDamagedNotice)});
    memory.restoreSettings();
    QCOMPARE(game.SkillLevel, 2);
    QCOMPARE(game.HandSize, 6);
    QCOMPARE(game.SoundOn, true);
    QCOMPARE(game.winningPointsText, std::string("101"));
    QCOMPARE(readFile(settingsFilePath() + ".bad"), content);
    QVERIFY(!QFileInfo::exists(settingsFilePath()));
  }

  void aDamagedSavedMatchIsMovedAside_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("garbage") << QByteArray("not a match at all");
    QTest::newRow("future version") << QByteArray(R"({"version": 999})");
  }

  void aDamagedSavedMatchIsMovedAside() {
    QFETCH(QByteArray, content);
    writeFile(savedMatchPath(), content);
    QtPlatform platform;
    Game game(platform);
    GameMemory memory(game);
    QVERIFY(memory.hasSavedMatch());
    QVERIFY(!memory.resumeSavedMatch());
    QCOMPARE(memory.takeNotices(), QStringList{QString::fromUtf8(kMatchDamagedNotice)});
    QVERIFY(!memory.hasSavedMatch());
    QCOMPARE(readFile(savedMatchPath() + ".bad"), content);
  }

  void aFolderThatRefusesWritesWarnsOnceAndPlayGoesOn() {
    // The data folder's place is taken by a file: nothing can be written
    // there, whoever runs the test.
    writeFile(dataFolder(), "in the way");
    QtPlatform platform;
    Game game(platform);
    game.Activated = true;
    QVERIFY(applyNewGameOptions(game, NewGameChoice{false, true, "Tester"}));
    game.DelayMs = 0;
    mnu_new_Click(game);
    GameMemory memory(game);
    QStringList warnings;
    memory.onWriteFailure = [&](const QString& line) { warnings << line; };
    memory.statistics()[VariantKey{}].hintsUsed = 1;
    // Turn after turn the match and the statistics fail to save: one line.
    for (int k = 1; k <= 3; ++k) {
      Player1_Click(game, k);
      memory.saveProgress();
    }
    memory.saveSettings({});
    QCOMPARE(warnings, QStringList{QString::fromUtf8(kWriteFailedWarning)});
    QCOMPARE(game.TurnInHand, 3);
  }
};

QTEST_MAIN(MemoryTest)
#include "memory_test.moc"

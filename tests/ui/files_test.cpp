// SPDX-License-Identifier: GPL-3.0-or-later
// The game's files when the disk or the folder works against it: a disk
// that fills up in the middle of a write, links and pipes in a file's place,
// a removal the folder refuses, temporary copies left by a kill.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "tests/support/test_files.h"
#include "ui/app_files.h"
#include "ui/game_memory.h"
#include "ui/qt_platform.h"
#include "ui/settings_store.h"

using namespace qorza;

namespace {

using testing::readFile;
using testing::writeFile;

// While it lives, no file of this process may grow past the first bytes:
// every write beyond them fails as on a full disk.
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FullDisk() { ::setrlimit(RLIMIT_FSIZE, &old_); }

 private:
  rlimit old_{};
};

// A player one turn into a match, with what the game remembers of them.
struct Player {
  QtPlatform platform;
  Game game{platform};
  GameMemory memory{game};
  QStringList warnings;

  Player() {
    game.Activated = true;
    applyNewGameOptions(game, NewGameChoice{false, true, "Tester"});
    game.DelayMs = 0;
    mnu_new_Click(game);
    Player1_Click(game, 1);
    memory.statistics()[VariantKey{}].hintsUsed = 1;
    memory.onWriteFailure = [this](const QString& line) { warnings << line; };
  }
};

enum Kind { Link, DanglingLink, DeviceLink, Pipe };

}  // namespace

class FilesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home;

  QString outside() const { return home->path() + "/someone else's file"; }

  void place(const QString& path, Kind kind) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    switch (kind) {
      case Link:
        QVERIFY(QFile::link(outside(), path));
        break;
      case DanglingLink:
        QVERIFY(QFile::link(home->path() + "/nowhere", path));
        break;
      case DeviceLink:
        QVERIFY(QFile::link("/dev/zero", path));
        break;
      case Pipe:
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        break;
    }
  }

 private slots:
  void init() {
    home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", (home->path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home->path() + "/data").toUtf8());
    writeFile(outside(), "theirs");
  }

  void cleanup() { home.reset(); }

  void aFullDiskLeavesEveryFileWhole() {
    Player player;
    player.memory.saveSettings("here");
    player.memory.saveProgress();
    const QStringList paths{settingsFilePath(), statisticsPath(), savedMatchPath()};
    QList<QByteArray> before;
    for (const QString& path : paths) {
      before << readFile(path);
      QVERIFY2(!before.back().isEmpty(), qPrintable(path));
    }
    Player1_Click(player.game, 2);
    player.memory.statistics()[VariantKey{}].hintsUsed = 2;
    {
      const FullDisk disk(64);
      player.memory.saveProgress();
      player.memory.saveSettings("there");
    }
    QCOMPARE(player.warnings, QStringList{QString::fromUtf8(kWriteFailedWarning)});
    for (qsizetype i = 0; i < paths.size(); ++i) {
      QVERIFY2(readFile(paths[i]) == before[i], qPrintable(paths[i]));
    }
    // No short copy is left beside them either.
    QCOMPARE(QDir(dataFolder()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"match.json", "statistics.json"}));
  }

  void linksAndPipesAreDamagedFilesNeverFollowed_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("kind");
    for (const char* file : {"settings", "statistics", "match"}) {
      QTest::addRow("%s, link", file) << file << int(Link);
      QTest::addRow("%s, dangling link", file) << file << int(DanglingLink);
      QTest::addRow("%s, link to a device", file) << file << int(DeviceLink);
      QTest::addRow("%s, pipe", file) << file << int(Pipe);
    }
  }

  void linksAndPipesAreDamagedFilesNeverFollowed() {
    QFETCH(QString, file);
    QFETCH(int, kind);
    const QString path = file == "settings"     ? settingsFilePath()
                         : file == "statistics" ? statisticsPath()
                                                : savedMatchPath();
    // Read at start: moved aside as it is (the link itself, the pipe), with
    // the notice of a damaged file, and nothing waits on the pipe.
    place(path, Kind(kind));
    Player player;
    player.memory.load();
    QStringList notices = player.memory.takeNotices();
    if (file == "match") {
      QVERIFY(player.memory.hasSavedMatch());
      QVERIFY(!player.memory.resumeSavedMatch());
      notices = player.memory.takeNotices();
    }
    const char* notice = file == "settings"     ? kSettingsDamagedNotice
                         : file == "statistics" ? kStatisticsDamagedNotice
                                                : kMatchDamagedNotice;
    QCOMPARE(notices, QStringList{QString::fromUtf8(notice)});
    QVERIFY(!pathTaken(path));
    const QFileInfo aside(path + ".bad");
    QVERIFY(kind == Pipe ? !aside.isSymLink() && pathTaken(aside.filePath()) : aside.isSymLink());
    // Written later: one put there meanwhile is replaced, never written
    // through.
    place(path, Kind(kind));
    player.memory.saveSettings({});
    player.memory.saveProgress();
    QVERIFY(player.warnings.isEmpty());
    QVERIFY(isPlainFile(path));
    QCOMPARE(readFile(outside()), QByteArray("theirs"));
    QVERIFY(!QFileInfo::exists(home->path() + "/nowhere"));
  }

  void aSettledMatchThatCannotBeRemovedIsNotOfferedAgain() {
    Player player;
    player.memory.saveProgress();
    QVERIFY(GameMemory(player.game).hasSavedMatch());
    const auto writable = QFileInfo(dataFolder()).permissions();
    QFile::setPermissions(dataFolder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFile probe(dataFolder() + "/probe"); probe.open(QIODevice::WriteOnly)) {
      probe.remove();
      QFile::setPermissions(dataFolder(), writable);
      QSKIP("this user writes into a read-only folder");
    }
    // Declined at start.
    Player again;
    again.memory.discardSavedMatch();
    QCOMPARE(again.warnings, QStringList{QString::fromUtf8(kWriteFailedWarning)});
    QVERIFY(!GameMemory(again.game).hasSavedMatch());
    // Saved again, then finished.
    QFile::setPermissions(dataFolder(), writable);
    player.memory.saveProgress();
    QVERIFY(GameMemory(player.game).hasSavedMatch());
    QFile::setPermissions(dataFolder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    player.game.Activated = false;
    player.memory.saveProgress();
    QCOMPARE(player.warnings, QStringList{QString::fromUtf8(kWriteFailedWarning)});
    QVERIFY(!GameMemory(player.game).hasSavedMatch());
    QFile::setPermissions(dataFolder(), writable);
  }

  void temporaryCopiesAreClearedAndNothingElse() {
    const QString config = QFileInfo(settingsFilePath()).absolutePath();
    const QStringList copies{dataFolder() + "/match.json.Ab12Cd",
                             dataFolder() + "/statistics.json.x9Y8z7",
                             config + "/qorza.conf.q1W2e3"};
    const QStringList kept{dataFolder() + "/match.json", dataFolder() + "/match.json.bad",
                           dataFolder() + "/notes.txt.Ab12Cd", config + "/qorza.conf.lock",
                           config + "/qorza.conf"};
    for (const QString& path : copies + kept) {
      writeFile(path, "x");
    }
    clearTemporaryCopies();
    for (const QString& path : copies) {
      QVERIFY2(!pathTaken(path), qPrintable(path));
    }
    for (const QString& path : kept) {
      QVERIFY2(pathTaken(path), qPrintable(path));
    }
  }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"

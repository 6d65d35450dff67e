// SPDX-License-Identifier: GPL-3.0-or-later
// A fault (an exception) that escapes from the game's code into the window
// code: the program does not abort, the game ends once, and the saved match
// stays exactly as the last completed turn left it.
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <stdexcept>

#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/new_game_options.h"
#include "ui/app_files.h"
#include "ui/game_app.h"
#include "ui/guarded_application.h"

using namespace qorza;

namespace {

// Throws from its event handler, as a card index out of range would.
class FaultyWidget : public QWidget {
 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) {
      throw std::out_of_range("card 11");
    }
    return QWidget::event(event);
  }
};

}  // namespace

class FaultTest : public QObject {
  Q_OBJECT

 private slots:
  void aFaultEndsTheGameAndKeepsTheSavedMatch() {
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("QORZA_NOTICES_ON_STDOUT", "1");
    QVERIFY(writeFileAtomically(savedMatchPath(), "the match as it was"));

    GameApp app;
    Game& game = app.game();
    game.Activated = true;
    applyNewGameOptions(game, NewGameChoice{false, true, "Tester"});
    game.DelayMs = 0;
    mnu_new_Click(game);
    Player1_Click(game, 1);
    app.memory().discardSavedMatch();  // settled: a later save would write
    QVERIFY(writeFileAtomically(savedMatchPath(), "the match as it was"));

    int faults = 0;
    auto* guarded = static_cast<GuardedApplication*>(qApp);
    guarded->onFault = [&](const char* what) {
      ++faults;
      QCOMPARE(QByteArray(what), QByteArray("card 11"));
      app.endAfterFault();
    };
    // From an event handler, then from a slot (as a click reaches a turn);
    // the second fault is only logged.
    FaultyWidget faulty;
    QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QTimer::singleShot(0, &faulty, [] { throw std::out_of_range("card 11"); });
    QTest::qWait(20);
    guarded->onFault = nullptr;
    QCOMPARE(faults, 1);
    QVERIFY(app.platform().ending());
    // Whatever the window code does on its way out writes nothing.
    app.memory().saveProgress();
    app.memory().saveSettings({});
    app.memory().discardSavedMatch();
    QFile saved(savedMatchPath());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("the match as it was"));
    QVERIFY(!QFile::exists(settingsPath()));
  }
};

int main(int argc, char** argv) {
  GuardedApplication app(argc, argv);
  FaultTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "fault_test.moc"

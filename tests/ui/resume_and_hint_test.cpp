// SPDX-License-Identifier: GPL-3.0-or-later
// The table window with what the game remembers: the saved match offered at
// start (Yes brings it back as it was and play goes on; No gives the usual
// start), the hint's mark, and the statistics window's reset.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "game/saved_match.h"
#include "rules/expert/expert_turn.h"
#include "tests/support/answer_modal.h"
#include "ui/app_files.h"
#include "ui/game_memory.h"
#include "ui/new_game_dialog.h"
#include "ui/qt_platform.h"
#include "ui/statistics_window.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

using namespace qorza;
using qorza::test::answerModal;

namespace {

void closeStrayModals() {
  while (QWidget* modal = QApplication::activeModalWidget()) {
    modal->close();
    QCoreApplication::processEvents();
  }
}

// Answers the next message box with which; then runs next (to answer the
// box after it).
void answerBox(QMessageBox::StandardButton which, QString* text = nullptr,
               std::function<void()> next = {}) {
  answerModal([which, text, next](QWidget* box) {
    auto* message = qobject_cast<QMessageBox*>(box);
    QVERIFY(message != nullptr);
    QVERIFY(message->button(which) != nullptr);
    if (text) *text = message->text();
    if (next) next();
    message->button(which)->click();
  });
}

int firstCard(const Game& game) {
  for (int k = 1; k <= 6; ++k) {
    if (game.Player1(k).Visible) return k;
  }
  return 0;
}

}  // namespace

class ResumeAndHintTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home;
  std::unique_ptr<QtPlatform> platform;
  std::unique_ptr<Game> game;
  std::unique_ptr<GameMemory> memory;
  std::unique_ptr<TableWindow> window;
  int newGameDialogs = 0;

  void makeWindow() {
    platform = std::make_unique<QtPlatform>();
    game = std::make_unique<Game>(*platform);
    memory = std::make_unique<GameMemory>(*game);
    memory->load();
    window = std::make_unique<TableWindow>(*game, *platform);
    window->endProgram = [this] { platform->setEnding(); };
    window->abandonStart = window->endProgram;
    // The usual start's dialog is left at once: the first deal never starts.
    platform->onNewGameDialog = [this](NewGameDialog& dialog) {
      ++newGameDialogs;
      QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
    };
    memory->restoreSettings();
    window->setMemory(memory.get());
  }

  // A match a few turns in, saved as the table saves it after a turn.
  std::string savedMatchAfterTurns(int turns) {
    QtPlatform p;
    Game g(p);
    g.rng.fixSeed(5);
    g.DelayMs = 0;
    g.Activated = true;
    applyNewGameOptions(g, NewGameChoice{false, true, "سامر"});
    mnu_new_Click(g);
    for (int t = 0; t < turns; ++t) Player1_Click(g, firstCard(g));
    GameMemory m(g);
    m.saveProgress();
    return saveMatch(g);
  }

  void showWindow() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY(!QApplication::activeModalWidget());
  }

 private slots:
  void init() {
    home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", (home->path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home->path() + "/data").toUtf8());
    newGameDialogs = 0;
  }

  void cleanup() {
    closeStrayModals();
    window.reset();
    memory.reset();
    game.reset();
    platform.reset();
    home.reset();
  }

  void resumeYesBringsTheMatchBackAndPlayGoesOn() {
    const std::string saved = savedMatchAfterTurns(8);
    makeWindow();
    QString question;
    answerBox(QMessageBox::Yes, &question);
    showWindow();
    QCOMPARE(question, QStringLiteral("لديك مباراة لم تنتهِ بعد. هل تريد متابعتها؟"));
    QCOMPARE(newGameDialogs, 0);
    QVERIFY(game->Activated);
    QCOMPARE(saveMatch(*game), saved);
    QCOMPARE(game->PlayerName(1), std::string("سامر"));
    // The next card plays as it would have in the match never closed.
    QtPlatform p;
    Game reference(p);
    QVERIFY(loadMatch(reference, saved));
    reference.DelayMs = game->DelayMs = 0;
    const int k = firstCard(*game);
    Player1_Click(reference, k);
    window->playHandCard(k);
    QCOMPARE(saveMatch(*game), saveMatch(reference));
    // After the turn the match on disk is the one on the table.
    QCOMPARE(QFile::exists(savedMatchPath()), true);
  }

  void resumeNoGivesTheUsualStartAndForgetsTheMatch() {
    savedMatchAfterTurns(3);
    makeWindow();
    answerBox(QMessageBox::No);
    window->show();
    QTRY_COMPARE(newGameDialogs, 1);
    QVERIFY(!QFile::exists(savedMatchPath()));
  }

  void aDamagedSavedMatchIsToldAndTheUsualStartFollows() {
    QDir().mkpath(dataFolder());
    QFile file(savedMatchPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{ broken");
    file.close();
    makeWindow();
    QString notice;
    answerBox(QMessageBox::Yes, nullptr, [&] { answerBox(QMessageBox::Ok, &notice); });
    window->show();
    QTRY_COMPARE(newGameDialogs, 1);
    QCOMPARE(notice, QString::fromUtf8(kMatchDamagedNotice));
    QVERIFY(QFile::exists(savedMatchPath() + ".bad"));
  }

  void hintMarksTheCardAndPlaysNothing() {
    savedMatchAfterTurns(2);
    makeWindow();
    answerBox(QMessageBox::Yes);
    showWindow();
    const std::string before = saveMatch(*game);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    const int hinted = window->view()->hintedCard();
    QVERIFY(hinted >= 1 && hinted <= 6);
    QCOMPARE(hinted, expertHintPosition(*game));  // the expert, from player 1's seat
    QCOMPARE(saveMatch(*game), before);
    QCOMPARE(memory->statistics()[VariantKey::of(*game)].hintsUsed, 1);
    // Asked again on the same turn, after a key that plays nothing too, the
    // hint is counted once.
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_X);
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(memory->statistics()[VariantKey::of(*game)].hintsUsed, 1);
    // Playing a card takes the mark away; the next turn's hint counts.
    game->DelayMs = 0;
    window->playHandCard(firstCard(*game));
    QCOMPARE(window->view()->hintedCard(), 0);
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(memory->statistics()[VariantKey::of(*game)].hintsUsed, 2);
  }

  void statisticsResetAsksFirst() {
    savedMatchAfterTurns(1);
    makeWindow();
    memory->statistics()[VariantKey{52, 6, 2}].matchesPlayed = 4;
    StatisticsWindow stats(memory->statistics(), [this] { memory->resetStatistics(); });
    stats.showVariant(VariantKey{52, 6, 2});
    QCOMPARE(stats.grid()->item(0, 1)->text(), QStringLiteral("4"));
    answerBox(QMessageBox::No);
    QVERIFY(!stats.confirmReset());
    QCOMPARE(stats.grid()->item(0, 1)->text(), QStringLiteral("4"));
    QString question;
    answerBox(QMessageBox::Yes, &question);
    QVERIFY(stats.confirmReset());
    QCOMPARE(question, QStringLiteral("هل تريد بالتأكيد مسح كل الإحصاءات؟"));
    QCOMPARE(stats.grid()->item(0, 1)->text(), QStringLiteral("0"));
    QVERIFY(memory->statistics().empty());
    QCOMPARE(window->statisticsAction()->shortcut(), QKeySequence(Qt::Key_F9));
  }
};

QTEST_MAIN(ResumeAndHintTest)
#include "resume_and_hint_test.moc"

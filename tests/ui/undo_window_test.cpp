// SPDX-License-Identifier: GPL-3.0-or-later
// Undo on the table window (Ctrl+Z puts the table back, the item waits while
// a turn resolves) and the results window's rows telling how each deal was
// scored, on hover and to a screen reader.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "game/flow/deal.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "game/saved_match.h"
#include "scoring/deal_scoring.h"
#include "tests/support/answer_modal.h"
#include "ui/app_files.h"
#include "ui/game_memory.h"
#include "ui/qt_platform.h"
#include "ui/results_window.h"
#include "ui/statistics_window.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

using namespace qorza;

namespace {

int firstCard(const Game& game) {
  for (int k = 1; k <= 6; ++k) {
    if (game.Player1(k).Visible) return k;
  }
  return 0;
}

}  // namespace

class UndoWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QtPlatform> platform;
  std::unique_ptr<Game> game;
  std::unique_ptr<TableWindow> window;

  void openDealtWindow() {
    game->Activated = true;
    window = std::make_unique<TableWindow>(*game, *platform);
    window->endProgram = [this] { platform->setEnding(); };
    window->abandonStart = window->endProgram;
    applyNewGameOptions(*game, NewGameChoice{false, true, "Tester"});
    game->DelayMs = 0;
    game->rng.fixSeed(12);
    mnu_new_Click(*game);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }

 private slots:
  void init() {
    platform = std::make_unique<QtPlatform>();
    game = std::make_unique<Game>(*platform);
  }

  void cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    window.reset();
    game.reset();
    platform.reset();
  }

  void ctrlZPutsTheTableBackAndTheHintMarkGoes() {
    openDealtWindow();
    QAction* undo = window->undoAction();
    QCOMPARE(undo->text(), QStringLiteral("تراجع"));
    QCOMPARE(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QVERIFY(!undo->isEnabled());  // nothing played in this deal
    const std::string start = saveMatch(*game);
    window->playHandCard(firstCard(*game));
    const std::string afterOne = saveMatch(*game);
    window->playHandCard(firstCard(*game));
    QVERIFY(undo->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    QVERIFY(window->view()->hintedCard() != 0);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(saveMatch(*game), afterOne);
    QCOMPARE(window->view()->hintedCard(), 0);  // the mark was for the other hand
    QVERIFY(undo->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(saveMatch(*game), start);
    QVERIFY(!undo->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(saveMatch(*game), start);
  }

  void undoWaitsWhileATurnResolves() {
    openDealtWindow();
    window->playHandCard(firstCard(*game));
    const std::string afterOne = saveMatch(*game);
    QVERIFY(window->undoAction()->isEnabled());
    game->DelayMs = 20;  // the blinks pause, events flow meanwhile
    bool checked = false;
    bool enabledMidTurn = true;
    QTimer::singleShot(5, window.get(), [&] {
      checked = true;
      enabledMidTurn = window->undoAction()->isEnabled();
      window->undoAction()->trigger();  // refused: the turn goes on
    });
    window->playHandCard(firstCard(*game));
    QVERIFY(checked);
    QVERIFY(!enabledMidTurn);
    QCOMPARE(game->TurnInHand, 2);
    QVERIFY(window->undoAction()->isEnabled());
    window->undoAction()->trigger();
    game->DelayMs = 0;  // a setting: not taken back
    QCOMPARE(saveMatch(*game), afterOne);
  }

  void theSavedMatchAfterAnUndoIsTheRestoredPosition() {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    openDealtWindow();
    GameMemory memory(*game);
    window->setMemory(&memory);
    window->playHandCard(firstCard(*game));
    const std::string afterOne = saveMatch(*game);
    window->playHandCard(firstCard(*game));
    window->undoAction()->trigger();
    QByteArray saved;
    QVERIFY(readWholeFile(savedMatchPath(), &saved));
    QCOMPARE(saved.toStdString(), afterOne);
    QCOMPARE(memory.statistics()[VariantKey::of(*game)].undosUsed, 1);
    window->setMemory(nullptr);
  }

  void theStatisticsWindowShowsTheUndos() {
    Statistics statistics;
    statistics[VariantKey{52, 4, 3}].undosUsed = 3;
    StatisticsWindow window(statistics, [] {});
    window.showVariant(VariantKey{52, 4, 3});
    const int last = window.grid()->rowCount() - 1;
    QCOMPARE(window.grid()->verticalHeaderItem(last)->text(), QStringLiteral("مرات التراجع"));
    QCOMPARE(window.grid()->item(last, 2)->text(), QStringLiteral("3"));
    QCOMPARE(window.grid()->item(last, 0)->text(), QStringLiteral("0"));
  }

  void aScoredRowTellsHowItCameAbout() {
    Game& g = *game;
    g.PlayerName(1) = "سامي";
    g.txt_qorza(1).Text = "12.5";
    g.TXT_POINT(1).Text = "2";
    g.TXT_CARD(1).Text = "30";
    g.TXT_CARD(2).Text = "22";
    g.txt_qorza(2).Text = "7";
    g.TXT_POINT(2).Text = "1";
    g.RoundCount1 = 1;
    QString tip;
    QString described;
    qorza::test::answerModal([&](QWidget* modal) {
      auto* grid = modal->findChild<QTableWidget*>("Grid1");
      QVERIFY(grid != nullptr);
      tip = grid->item(0, 1)->toolTip();
      QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
      QVERIFY(table && table->tableInterface());
      QAccessibleInterface* cell = table->tableInterface()->cellAt(0, 2);
      QVERIFY(cell != nullptr);
      described = cell->text(QAccessible::Description);
      QVERIFY(grid->item(1, 1)->toolTip().isEmpty());  // a row not yet played
      modal->close();
    });
    ScoreDeal(g);
    // 0 + 12.5 + 2 = 14.5 rounds to 14, then 3 for the larger heap.
    QCOMPARE(g.ScoreTable(1), 17);
    QCOMPARE(tip, QStringLiteral("الجولة 1\nسامي: Qorza 12.5 + النقاط 2 + 3 لأكثر الأوراق"
                                 " − 0.5 تقريب النصف = 17\nالحاسوب: Qorza 7 + النقاط 1 = 8"));
    QCOMPARE(described, tip);
  }
};

QTEST_MAIN(UndoWindowTest)
#include "undo_window_test.moc"

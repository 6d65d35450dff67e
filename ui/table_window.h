// SPDX-License-Identifier: GPL-3.0-or-later
// The table window: the green table, its menu (new match, options, sound,
// results, exit, help, about), keyboard play, the exit confirmation and the
// first activation that opens the new-game dialog and deals.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "game/flow/play_record.h"
#include "game/flow/undo.h"

class QAction;
class QMenu;

namespace qorza {

struct Game;
class GameMemory;
class HelpWindow;
class PlayHistoryWindow;
class QtPlatform;
class StatusLine;
class SubOptionDialog;
class TableView;

// The caption while minimised: the credits line.
extern const char* const kCreditsCaption;

class TableWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Runs the window's load: start values and the sound folder beside the
  // executable.
  TableWindow(Game& game, QtPlatform& platform, QWidget* parent = nullptr);
  ~TableWindow() override;

  TableView* view() const { return view_; }
  QAction* newAction() const { return newAction_; }
  QAction* optionsAction() const { return optionsAction_; }
  QAction* soundAction() const { return soundAction_; }
  QAction* resultsAction() const { return resultsAction_; }
  QAction* exitAction() const { return exitAction_; }
  QAction* contentsAction() const { return contentsAction_; }
  QAction* aboutAction() const { return aboutAction_; }
  QAction* statisticsAction() const { return statisticsAction_; }
  QAction* hintAction() const { return hintAction_; }
  QAction* undoAction() const { return undoAction_; }
  QAction* historyAction() const { return historyAction_; }
  StatusLine* statusLine() const { return statusLine_; }
  // The plays of the deal, newest first, in a small window of their own.
  void showPlayHistory();
  PlayHistoryWindow* playHistory() const { return history_; }

  // What the game remembers between runs: the table then counts the
  // statistics, saves the match after each turn and the settings on each
  // OK, and at the first activation offers a saved match back.
  void setMemory(GameMemory* memory);

  // The hint command: marks the card of player 1's hand the computer's best
  // level would play, without playing it.
  void showHint();
  // The statistics command.
  void showStatistics();
  // The undo command: takes back player 1's last card and the computer's
  // answer, back to the start of the deal; the settings stay as they are.
  void undoTurn();

  // Player 1 plays hand position k, as a click on the card does.
  void playHandCard(int k);
  // Form_KeyDown with a key code (49..54, 97..102) and the shift state.
  void keyDown(int keyCode, int shift);
  // The exit command: asks, and on Yes ends the program; true on Yes.
  bool confirmExit();

  bool turnRunning() const { return turnRunning_; }

  // Ends the program at once (the exit confirmation's Yes). Tests replace it.
  std::function<void()> endProgram;
  // Runs when the first new-game dialog is closed without its OK.
  std::function<void()> abandonStart;
  // Runs before the first question at start (the saved match, notices).
  std::function<void()> beforeStartQuestions;
  // The first showing centres the window on its screen, unless it has been
  // put back where the player left it.
  bool centreAtStart = true;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildMenu();
  void buildLanguageMenu(QMenu* help);
  void formActivate();
  void runCommand(const std::function<void()>& command);
  void runTurn(const std::function<void()>& turn);
  void updateMenuState();
  void showPlays();
  void showAbout();
  void showHelp();
  bool offerSavedMatch();
  void showNotices();
  void rememberSettings();
  SubOptionDialog& furtherOptions();

  Game& game_;
  QtPlatform& platform_;
  // Built when first opened (not at start), then hidden between openings.
  std::unique_ptr<SubOptionDialog> subOptions_;
  TableView* view_;
  HelpWindow* help_ = nullptr;
  PlayLog playLog_;
  StatusLine* statusLine_ = nullptr;
  PlayHistoryWindow* history_ = nullptr;
  GameMemory* memory_ = nullptr;
  bool activating_ = false;
  bool turnRunning_ = false;
  bool ended_ = false;
  UndoHistory undo_;
  bool hintCounted_ = false;  // this turn's hint is in the statistics

  QAction* newAction_ = nullptr;
  QAction* optionsAction_ = nullptr;
  QAction* soundAction_ = nullptr;
  QAction* resultsAction_ = nullptr;
  QAction* exitAction_ = nullptr;
  QAction* contentsAction_ = nullptr;
  QAction* aboutAction_ = nullptr;
  QAction* statisticsAction_ = nullptr;
  QAction* hintAction_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* historyAction_ = nullptr;
};

// The game's code for a key press: 49..54 for the digits 1 to 6 of the main
// row (Arabic-Indic digits count as the main row), 97..102 for those of the
// keypad, 0 for any other key; and its shift state (1 Shift, 2 Ctrl, 4 Alt,
// added).
int keyCodeOf(const QKeyEvent& event);
int shiftStateOf(const QKeyEvent& event);

}  // namespace qorza

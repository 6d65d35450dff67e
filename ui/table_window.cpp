// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "scoring/deal_scoring.h"
#include "ui/game_memory.h"
#include "ui/game_style.h"
#include "ui/help_window.h"
#include "ui/language.h"
#include "ui/play_history_window.h"
#include "ui/qt_platform.h"
#include "ui/splash_window.h"
#include "ui/status_line.h"
#include "ui/sub_option_dialog.h"
#include "ui/table_view.h"

namespace qorza {

const char* const kCreditsCaption =
    QT_TRANSLATE_NOOP("Qorza", "لعبة Qorza - برمجة فريق مشروع Qorza");

namespace {

const QString kCaption = QStringLiteral("Qorza...");
const QColor kMenuFace(212, 208, 200);

QAction* addCommand(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setShortcut(shortcut);
  return action;
}

}  // namespace

TableWindow::TableWindow(Game& game, QtPlatform& platform, QWidget* parent)
    : QMainWindow(parent), game_(game), platform_(platform) {
  Form_Load(game_, (QCoreApplication::applicationDirPath() + "/").toStdString());
  setWindowTitle(kCaption);
  setPalette(windowPalette(kMenuFace, Qt::black));  // the menu bar as designed, any theme
  view_ = new TableView(game_, this);
  setCentralWidget(view_);
  statusLine_ = new StatusLine(game_, playLog_, this);
  setStatusBar(statusLine_);
  buildMenu();
  platform_.setTable(view_);
  platform_.setDialogParent(this);
  endProgram = [this] {
    platform_.setEnding();
    QCoreApplication::exit(0);
  };
  abandonStart = [this] { endProgram(); };
  resize(sizeHint());
  view_->setFocus();
}

TableWindow::~TableWindow() {
  platform_.onNewGameAccepted = nullptr;
  platform_.onResultsShowing = nullptr;
  platform_.setTable(nullptr);
  platform_.setDialogParent(nullptr);
}

void TableWindow::buildMenu() {
  QMenu* file = menuBar()->addMenu(tr("&ملف"));
  newAction_ = addCommand(file, tr("&جديد"), QKeySequence(Qt::CTRL | Qt::Key_N));
  optionsAction_ = addCommand(file, tr("خيارات أخرى"), QKeySequence(Qt::Key_F5));
  soundAction_ = addCommand(file, tr("صوت أثناء اللعب"), QKeySequence(Qt::Key_F8));
  soundAction_->setCheckable(true);
  soundAction_->setChecked(game_.SoundOn);
  resultsAction_ = addCommand(file, tr("النتائج"), QKeySequence(Qt::Key_F7));
  statisticsAction_ = addCommand(file, tr("الإحصاءات"), QKeySequence(Qt::Key_F9));
  hintAction_ = addCommand(file, tr("تلميح"), QKeySequence(Qt::CTRL | Qt::Key_H));
  undoAction_ = addCommand(file, tr("تراجع"), QKeySequence(Qt::CTRL | Qt::Key_Z));
  undoAction_->setEnabled(false);  // nothing played yet
  historyAction_ = addCommand(file, tr("لعبات هذه الجولة"), QKeySequence(Qt::Key_F6));
  file->addSeparator();
  exitAction_ = addCommand(file, tr("إ&نهاء العبة"), QKeySequence(Qt::Key_F3));

  QMenu* help = menuBar()->addMenu(tr("مساعدة"));
  contentsAction_ = addCommand(help, tr("المحتويات"));
  aboutAction_ = addCommand(help, tr("حول البرنامج"));
  buildLanguageMenu(help);
  // The drop-down menus are windows of their own: they take the colours too.
  for (QMenu* menu : {file, help}) {
    menu->setPalette(palette());
  }

  connect(newAction_, &QAction::triggered, this, [this] {
    runCommand([this] {
      view_->setHintedCard(0);
      hintCounted_ = false;
      mnu_new_real_Click(game_);
    });
  });
  connect(optionsAction_, &QAction::triggered, this,
          [this] { runCommand([this] { furtherOptions().openModal(); }); });
  connect(soundAction_, &QAction::triggered, this, [this] {
    game_.SoundOn = !game_.SoundOn;
    soundAction_->setChecked(game_.SoundOn);
    rememberSettings();
  });
  connect(resultsAction_, &QAction::triggered, this,
          [this] { runCommand([this] { MNU_RESULTS_Click(game_); }); });
  connect(statisticsAction_, &QAction::triggered, this,
          [this] { runCommand([this] { showStatistics(); }); });
  connect(hintAction_, &QAction::triggered, this, [this] { runCommand([this] { showHint(); }); });
  connect(undoAction_, &QAction::triggered, this, [this] { runCommand([this] { undoTurn(); }); });
  connect(exitAction_, &QAction::triggered, this, [this] { confirmExit(); });
  connect(contentsAction_, &QAction::triggered, this,
          [this] { runCommand([this] { showHelp(); }); });
  connect(aboutAction_, &QAction::triggered, this, [this] { runCommand([this] { showAbout(); }); });
  connect(view_, &TableView::handCardClicked, this, &TableWindow::playHandCard);
  connect(historyAction_, &QAction::triggered, this, &TableWindow::showPlayHistory);
  connect(statusLine_, &StatusLine::historyRequested, this, &TableWindow::showPlayHistory);
}

SubOptionDialog& TableWindow::furtherOptions() {
  if (!subOptions_) {
    subOptions_ = std::make_unique<SubOptionDialog>(game_);
    connect(subOptions_.get(), &SubOptionDialog::applied, view_, &TableView::tableChanged);
  }
  return *subOptions_;
}

void TableWindow::updateMenuState() {
  // While a turn resolves, only the sound switch and the exit stay usable.
  const bool idle = !turnRunning_;
  newAction_->setEnabled(idle);
  optionsAction_->setEnabled(idle);
  resultsAction_->setEnabled(idle && game_.MNU_RESULTS_Enabled);
  statisticsAction_->setEnabled(idle && memory_ != nullptr);
  hintAction_->setEnabled(idle && game_.Activated);
  undoAction_->setEnabled(idle && game_.Activated && undo_.canUndo(game_));
  contentsAction_->setEnabled(idle);
  aboutAction_->setEnabled(idle);
}

void TableWindow::runCommand(const std::function<void()>& command) {
  if (turnRunning_ || ended_) {
    return;
  }
  command();
  if (!ended_) {
    updateMenuState();
    view_->tableChanged();
    showPlays();
    rememberSettings();
    if (memory_) {
      memory_->saveProgress();
    }
  }
}

void TableWindow::runTurn(const std::function<void()>& turn) {
  if (turnRunning_ || ended_) {
    return;
  }
  turnRunning_ = true;
  updateMenuState();
  view_->setHintedCard(0);
  if (memory_) {
    memory_->recorder().beforeTurn(game_);
  }
  const int turnMark = game_.TurnInHand;
  const int dealtMark = game_.DealtCount;
  undo_.beforeTurn(game_);
  turn();
  turnRunning_ = false;
  undo_.afterTurn(game_);
  if (game_.TurnInHand != turnMark || game_.DealtCount != dealtMark) {
    hintCounted_ = false;  // a card was played: the next turn may count a hint
  }
  if (memory_) {
    memory_->recorder().afterTurn(game_);
  }
  if (ended_ || platform_.ending()) {
    return;
  }
  if (memory_) {
    memory_->saveProgress();
  }
  updateMenuState();
  view_->tableChanged();
  showPlays();
}

void TableWindow::showPlays() {
  statusLine_->refresh();
  if (history_ && history_->isVisible()) {
    history_->refresh();
  }
}

void TableWindow::showPlayHistory() {
  if (!history_) {
    history_ = new PlayHistoryWindow(game_, playLog_, this);
  }
  history_->refresh();
  history_->show();
  history_->raise();
  history_->activateWindow();
}

void TableWindow::playHandCard(int k) {
  runTurn([this, k] { Player1_Click(game_, k, &playLog_); });
}

void TableWindow::keyDown(int keyCode, int shift) {
  if (!game_.KeyPreview) {
    return;  // no keyboard play while a turn resolves
  }
  // The digits count the hand in reading order.
  runTurn(
      [this, code = gameKeyCode(keyCode), shift] { Form_KeyDown(game_, code, shift, &playLog_); });
}

bool TableWindow::confirmExit() {
  if (ended_) {
    return true;
  }
  QMessageBox box(QMessageBox::NoIcon, tr("نهاية البرنامج"), tr("هل تريد بالتأكيد نهاية اللعبة؟"),
                  QMessageBox::Yes | QMessageBox::No, this);
  box.setLayoutDirection(textDirection());
  box.setPalette(windowPalette(kMenuFace, Qt::black));
  box.setDefaultButton(QMessageBox::Yes);
  if (box.exec() != QMessageBox::Yes) {
    return false;
  }
  ended_ = true;
  endProgram();
  return true;
}

void TableWindow::formActivate() {
  if (game_.Activated || activating_ || ended_) {
    return;
  }
  activating_ = true;
  if (offerSavedMatch()) {
    game_.Activated = true;
    activating_ = false;
    updateMenuState();
    view_->tableChanged();
    showPlays();
    return;
  }
  if (!platform_.runNewGameDialog(game_)) {
    activating_ = false;
    ended_ = true;
    abandonStart();  // the first deal never starts without the dialog's OK
    return;
  }
  game_.Activated = true;
  activating_ = false;
  mnu_new_Click(game_);
  updateMenuState();
  view_->tableChanged();
  showPlays();
  rememberSettings();
  if (memory_) {
    memory_->saveProgress();
  }
}

bool TableWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !game_.Activated) {
    QTimer::singleShot(0, this, &TableWindow::formActivate);
  }
  return QMainWindow::event(event);
}

void TableWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!game_.Activated) {
    if (const QScreen* s = centreAtStart ? screen() : nullptr) {
      QRect frame = frameGeometry();
      frame.moveCenter(s->availableGeometry().center());
      move(frame.topLeft());
    }
    // Some desktops never activate a window (no window manager): the first
    // showing counts as the first activation.
    QTimer::singleShot(0, this, &TableWindow::formActivate);
  }
}

void TableWindow::closeEvent(QCloseEvent* event) {
  if (ended_ || platform_.ending() || confirmExit()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TableWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    setWindowTitle(isMinimized() ? gameWords(kCreditsCaption) : kCaption);
  }
  QMainWindow::changeEvent(event);
}

int keyCodeOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    const int digit = key - Qt::Key_0;
    return (event.modifiers() & Qt::KeypadModifier) ? 96 + digit : 48 + digit;
  }
  // An Arabic keyboard's digit row gives Arabic-Indic digits.
  const QString text = event.text();
  if (text.size() == 1 && text[0].unicode() >= 0x0660 && text[0].unicode() <= 0x0669) {
    return 48 + (text[0].unicode() - 0x0660);
  }
  return 0;
}

int shiftStateOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers m = event.modifiers();
  return ((m & Qt::ShiftModifier) ? 1 : 0) + ((m & Qt::ControlModifier) ? 2 : 0) +
         ((m & Qt::AltModifier) ? 4 : 0);
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
  const int code = keyCodeOf(*event);
  const int shift = shiftStateOf(*event);
  if (code == 0) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  keyDown(code, shift);
  event->accept();
}

void TableWindow::buildLanguageMenu(QMenu* help) {
  // Named in both languages, so that either reader finds it.
  QMenu* menu = help->addMenu(tr("اللغة / Language"));
  menu->setObjectName(QStringLiteral("languageMenu"));
  menu->setPalette(palette());
  auto* choices = new QActionGroup(menu);
  const std::pair<Language, QString> languages[] = {{Language::Arabic, QStringLiteral("العربية")},
                                                    {Language::English, QStringLiteral("English")}};
  for (const auto& [language, name] : languages) {
    QAction* action = menu->addAction(name);
    action->setCheckable(true);
    action->setChecked(language == chosenLanguage().value_or(currentLanguage()));
    choices->addAction(action);
    connect(action, &QAction::triggered, this, [this, language = language] {
      if (language == chosenLanguage().value_or(currentLanguage())) {
        return;
      }
      setChosenLanguage(language);
      if (memory_) {
        memory_->saveSettings(saveGeometry());
      }
      QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Qorza"),
                      language == Language::English
                          ? tr("ستظهر اللعبة بالإنجليزية عند تشغيلها مرة أخرى.")
                          : tr("ستظهر اللعبة بالعربية عند تشغيلها مرة أخرى."),
                      QMessageBox::Ok, this);
      box.setLayoutDirection(textDirection());
      box.setPalette(windowPalette(kMenuFace, Qt::black));
      box.exec();
    });
  }
}

void TableWindow::showHelp() {
  if (!help_) {
    help_ = new HelpWindow(this);
  }
  help_->showModal();
}

void TableWindow::showAbout() {
  QPointer<SplashWindow> about = new SplashWindow([] {}, nullptr);
  about->showAbout();
  if (about) {
    about->deleteLater();
  }
}

}  // namespace qorza

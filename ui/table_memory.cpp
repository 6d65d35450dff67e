// SPDX-License-Identifier: GPL-3.0-or-later
// The table window's part in what the game remembers: the saved match
// offered at start, the notices of damaged files, the settings on each OK,
// the statistics window and the hint.
#include <QAction>
#include <QMessageBox>

#include "game/game_state.h"
#include "rules/expert/expert_turn.h"
#include "ui/game_memory.h"
#include "ui/game_style.h"
#include "ui/language.h"
#include "ui/qt_platform.h"
#include "ui/statistics_window.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

namespace qorza {

namespace {

const QColor kMenuFace(212, 208, 200);

QMessageBox::StandardButton ask(QWidget* parent, const QString& title, const QString& text,
                                QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
  box.setLayoutDirection(textDirection());
  box.setPalette(windowPalette(kMenuFace, Qt::black));
  box.setDefaultButton(buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void TableWindow::setMemory(GameMemory* memory) {
  memory_ = memory;
  if (!memory_) {
    return;
  }
  platform_.onNewGameAccepted = [this](Game& game) { memory_->recorder().matchStarted(game); };
  platform_.onResultsShowing = [this](Game& game) { memory_->recorder().resultsShowing(game); };
  memory_->onWriteFailure = [this](const QString& line) {
    if (!platform_.ending()) {
      ask(this, QStringLiteral("Qorza"), line, QMessageBox::Ok);
    }
  };
  soundAction_->setChecked(game_.SoundOn);
  updateMenuState();
}

void TableWindow::showNotices() {
  if (!memory_) {
    return;
  }
  const QStringList notices = memory_->takeNotices();
  if (!notices.isEmpty()) {
    ask(this, QStringLiteral("Qorza"), notices.join(u'\n'), QMessageBox::Ok);
  }
}

bool TableWindow::offerSavedMatch() {
  if (!memory_) {
    return false;
  }
  if (beforeStartQuestions) {
    beforeStartQuestions();
  }
  showNotices();
  if (!memory_->hasSavedMatch()) {
    return false;
  }
  const auto answer =
      ask(this, tr("مباراة محفوظة"), tr("لديك مباراة لم تنتهِ بعد. هل تريد متابعتها؟"),
          QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes) {
    memory_->discardSavedMatch();
    return false;
  }
  if (memory_->resumeSavedMatch()) {
    undo_.clear();
    soundAction_->setChecked(game_.SoundOn);
    return true;
  }
  showNotices();
  return false;
}

void TableWindow::rememberSettings() {
  if (memory_ && game_.Activated) {
    memory_->saveSettings(saveGeometry());
  }
}

void TableWindow::showHint() {
  const int position = expertHintPosition(game_);
  view_->setHintedCard(position);
  // One hint counted a turn, however often it is asked for.
  if (position != 0 && memory_ && !hintCounted_) {
    memory_->recorder().hintUsed(game_);
    hintCounted_ = true;
  }
}

void TableWindow::undoTurn() {
  if (!undo_.undo(game_)) {
    return;
  }
  view_->setHintedCard(0);
  hintCounted_ = false;  // the turn is played afresh
  playLog_.takeBackTurn();
  if (memory_) {
    memory_->recorder().undoUsed(game_);
  }
}

void TableWindow::showStatistics() {
  if (!memory_) {
    return;
  }
  StatisticsWindow window(
      memory_->statistics(), [this] { memory_->resetStatistics(); }, this);
  window.showVariant(VariantKey::of(game_));
  window.exec();
}

}  // namespace qorza

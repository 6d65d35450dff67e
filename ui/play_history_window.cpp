// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/play_history_window.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/flow/play_record.h"
#include "game/game_state.h"
#include "ui/language.h"
#include "ui/play_words.h"

namespace qorza {

namespace {

QString historyCaption() { return gameWords(QT_TRANSLATE_NOOP("Qorza", "لعبات هذه الجولة")); }
QString noPlaysWords() {
  return gameWords(QT_TRANSLATE_NOOP("Qorza", "لم تبدأ اللعبات في هذه الجولة بعد"));
}
QString closeCaption() { return gameWords(QT_TRANSLATE_NOOP("Qorza", "إغلاق")); }

}  // namespace

PlayHistoryWindow::PlayHistoryWindow(const Game& game, const PlayLog& log, QWidget* parent)
    : QDialog(parent), game_(game), log_(log), list_(new QListWidget(this)) {
  setWindowTitle(historyCaption());
  setLayoutDirection(textDirection());
  list_->setAccessibleName(historyCaption());
  list_->setMinimumSize(360, 240);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(closeCaption());
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  refresh();
}

void PlayHistoryWindow::refresh() {
  list_->clear();
  const std::vector<PlayRecord> plays = log_.dealPlays(game_);
  for (auto it = plays.rbegin(); it != plays.rend(); ++it) {
    const QString name = shownName(game_.PlayerName(it->player));
    auto* item = new QListWidgetItem(
        inReadingDirection(playWords(*it, isolatedName(name), CardWording::Signs)), list_);
    item->setData(Qt::AccessibleTextRole, playWords(*it, name, CardWording::Words));
  }
  if (plays.empty()) {
    list_->addItem(noPlaysWords());
  }
  list_->setCurrentRow(0);
}

}  // namespace qorza

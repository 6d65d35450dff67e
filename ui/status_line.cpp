// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status_line.h"

#include <QLabel>
#include <QMouseEvent>

#include "game/flow/play_record.h"
#include "game/game_state.h"
#include "scoring/deal_scoring.h"
#include "ui/play_words.h"

namespace qorza {

namespace {

QString statusLineName() { return QStringLiteral("آخر لعبة"); }
QString scoreName() { return QStringLiteral("النتيجة"); }
QString historyTip() { return QStringLiteral("انقر لعرض لعبات هذه الجولة"); }

}  // namespace

StatusLine::StatusLine(const Game& game, const PlayLog& log, QWidget* parent)
    : QStatusBar(parent),
      game_(game),
      log_(log),
      plays_(new QLabel(this)),
      score_(new QLabel(this)) {
  setObjectName(QStringLiteral("statusLine"));
  setSizeGripEnabled(false);
  setLayoutDirection(Qt::RightToLeft);
  setAccessibleName(statusLineName());
  plays_->setObjectName(QStringLiteral("lastPlays"));
  score_->setObjectName(QStringLiteral("matchScore"));
  plays_->setToolTip(historyTip());
  plays_->setTextFormat(Qt::PlainText);
  // Clear of the window's edges.
  plays_->setContentsMargins(6, 0, 6, 0);
  score_->setContentsMargins(6, 0, 6, 0);
  score_->setTextFormat(Qt::PlainText);
  plays_->setAccessibleDescription(statusLineName());
  score_->setAccessibleDescription(scoreName());
  addWidget(plays_, 1);
  addPermanentWidget(score_);
  refresh();
}

void StatusLine::setWords(QLabel* label, const QString& shown, const QString& spoken) {
  if (label->text() == shown && label->accessibleName() == spoken) {
    return;
  }
  label->setText(shown);
  // The new name is announced to screen readers as a change of name.
  label->setAccessibleName(spoken);
}

void StatusLine::refresh() {
  QStringList shown;
  QStringList spoken;
  for (int p = 1; p <= 2; ++p) {
    const QString name = QString::fromStdString(game_.PlayerName(p));
    if (const auto& play = log_.lastPlay(p)) {
      shown << playWords(*play, name, CardWording::Signs);
      spoken << playWords(*play, name, CardWording::Words);
    } else {
      shown << noPlayYetWords(name);
      spoken << noPlayYetWords(name);
    }
  }
  setWords(plays_, shown.join(QLatin1Char('\n')), spoken.join(QStringLiteral(". ")));
  const QString score = scoreWords(QString::fromStdString(game_.PlayerName(1)), game_.ScoreTable(1),
                                   QString::fromStdString(game_.PlayerName(2)), game_.ScoreTable(2),
                                   matchTarget(game_));
  setWords(score_, score, score);
}

void StatusLine::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit historyRequested();
    event->accept();
    return;
  }
  QStatusBar::mouseReleaseEvent(event);
}

}  // namespace qorza

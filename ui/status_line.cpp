// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status_line.h"

#include <QLabel>
#include <QMouseEvent>

#include "game/flow/play_record.h"
#include "game/game_state.h"
#include "scoring/deal_scoring.h"
#include "ui/language.h"
#include "ui/play_words.h"

namespace qorza {

namespace {

QString statusLineName() { return gameWords(QT_TRANSLATE_NOOP("Qorza", "آخر لعبة")); }
QString scoreName() { return gameWords(QT_TRANSLATE_NOOP("Qorza", "النتيجة")); }
QString historyTip() { return gameWords(QT_TRANSLATE_NOOP("Qorza", "انقر لعرض لعبات هذه الجولة")); }

// The widest a name is shown on the line, in pixels.
constexpr int kNameRoom = 120;

}  // namespace

StatusLine::StatusLine(const Game& game, const PlayLog& log, QWidget* parent)
    : QStatusBar(parent),
      game_(game),
      log_(log),
      plays_(new QLabel(this)),
      score_(new QLabel(this)) {
  setObjectName(QStringLiteral("statusLine"));
  setSizeGripEnabled(false);
  setLayoutDirection(textDirection());
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
  // Long plays are cut to the line's width rather than widen the window.
  plays_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  addWidget(plays_, 1);
  addPermanentWidget(score_);
  refresh();
}

void StatusLine::setWords(QLabel* label, const QString& shown, const QString& spoken) {
  label->setText(shown);
  // The new name is announced to screen readers as a change of name.
  if (label->accessibleName() != spoken) {
    label->setAccessibleName(spoken);
  }
}

QString StatusLine::shownName(int player) const {
  return isolatedName(fontMetrics().elidedText(qorza::shownName(game_.PlayerName(player)),
                                               Qt::ElideRight, kNameRoom));
}

void StatusLine::fitPlays() {
  const int room = plays_->contentsRect().width();
  QStringList lines;
  for (const QString& line : playLines_) {
    // Not laid out yet: whole lines, which give the line its height.
    lines << inReadingDirection(
        room > 0 ? plays_->fontMetrics().elidedText(line, Qt::ElideRight, room) : line);
  }
  plays_->setText(lines.join(QLatin1Char('\n')));
}

void StatusLine::resizeEvent(QResizeEvent* event) {
  QStatusBar::resizeEvent(event);
  fitPlays();
}

void StatusLine::refresh() {
  playLines_.clear();
  QStringList spoken;
  for (int p = 1; p <= 2; ++p) {
    const QString name = qorza::shownName(game_.PlayerName(p));
    if (const auto& play = log_.lastPlay(p)) {
      playLines_ << playWords(*play, shownName(p), CardWording::Signs);
      spoken << playWords(*play, name, CardWording::Words);
    } else {
      playLines_ << noPlayYetWords(shownName(p));
      spoken << noPlayYetWords(name);
    }
  }
  fitPlays();
  setWords(plays_, plays_->text(), spoken.join(QStringLiteral(". ")));
  const double target = matchTarget(game_);
  setWords(score_,
           inReadingDirection(scoreWords(shownName(1), game_.ScoreTable(1), shownName(2),
                                         game_.ScoreTable(2), target)),
           scoreWords(qorza::shownName(game_.PlayerName(1)), game_.ScoreTable(1),
                      qorza::shownName(game_.PlayerName(2)), game_.ScoreTable(2), target));
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

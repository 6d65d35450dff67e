// SPDX-License-Identifier: GPL-3.0-or-later
// The line under the table: what each player's last play did, kept until
// that player plays again, and the match score with the target. Screen
// readers hear each change; a click asks for the deal's history.
#pragma once

#include <QStatusBar>
#include <QStringList>

class QLabel;

namespace qorza {

struct Game;
class PlayLog;

class StatusLine : public QStatusBar {
  Q_OBJECT

 public:
  StatusLine(const Game& game, const PlayLog& log, QWidget* parent = nullptr);

  // Shows the log's last plays and the game's score again; screen readers
  // are told when the words have changed.
  void refresh();

  QLabel* playsLabel() const { return plays_; }
  QLabel* scoreLabel() const { return score_; }

 signals:
  void historyRequested();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  static void setWords(QLabel* label, const QString& shown, const QString& spoken);
  // A name as the line shows it: long names are cut short.
  QString shownName(int player) const;
  // The play lines cut to the label's width, so that the window never widens.
  void fitPlays();

  const Game& game_;
  const PlayLog& log_;
  QLabel* plays_;
  QLabel* score_;
  QStringList playLines_;
};

}  // namespace qorza

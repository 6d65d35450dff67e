// SPDX-License-Identifier: GPL-3.0-or-later
// A small window with the plays of the deal on the table, newest first,
// opened from the status line or the menu and kept up to date while open.
#pragma once

#include <QDialog>

class QListWidget;

namespace qorza {

struct Game;
class PlayLog;

class PlayHistoryWindow : public QDialog {
  Q_OBJECT

 public:
  PlayHistoryWindow(const Game& game, const PlayLog& log, QWidget* parent = nullptr);

  // Lists the deal's plays again.
  void refresh();
  QListWidget* list() const { return list_; }

 private:
  const Game& game_;
  const PlayLog& log_;
  QListWidget* list_;
};

}  // namespace qorza

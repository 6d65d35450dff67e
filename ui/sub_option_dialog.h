// The further-options dialog: names, card back, speed, level and the
// winning points. It is created once at start and only hidden by its OK.
#pragma once

#include <QDialog>
#include <QString>

#include "game/card_library.h"

namespace qorza {

struct Game;

class SubOptionDialog : public QDialog {
  Q_OBJECT

 public:
  SubOptionDialog(Game& game, QWidget* parent = nullptr);

  // The menu command: fills names and level from the game, shows modally.
  void openModal();

  // The winning-points text the scoring reads ("101" by default).
  QString targetText() const;
  // The card back now shown in the dialog's preview.
  Picture chosenBack() const;

 signals:
  // OK changed what the table shows (names, backs); the table repaints.
  void applied();
};

}  // namespace qorza

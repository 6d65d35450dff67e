// SPDX-License-Identifier: GPL-3.0-or-later
// The new-game options dialog: variant (normal or Homsi), six or four cards
// per hand, the computer's level and player 1's name. Its OK hands the
// choices to the game and closes only once a name is given; left any other
// way (Esc, the close box) it puts back everything it changed.
#pragma once

#include <QDialog>

#include "game/new_game_options.h"
#include "ui/name_box.h"
#include "ui/twips.h"

class QPushButton;
class QRadioButton;

namespace qorza {

struct Game;

class NewGameDialog : public QDialog {
  Q_OBJECT

 public:
  explicit NewGameDialog(Game& game, QWidget* parent = nullptr);

  // The New command's preset: hand size, level and name from the game; the
  // variant always starts at normal.
  void presetFromGame();

  // CMD_OK: applies the choices; accepts when a name is given (spaces alone
  // are none), else the name box takes the focus and is marked.
  void ok();

  NameBox* nameBox() const { return nameBox_; }
  QRadioButton* homsiOption() const { return option5_; }
  QRadioButton* normalOption() const { return option4_; }
  QRadioButton* sixCardsOption() const { return option1_; }
  QRadioButton* fourCardsOption() const { return option3_; }
  QRadioButton* levelOption(int level) const;
  QPushButton* okButton() const { return okButton_; }

 protected:
  void showEvent(QShowEvent* event) override;
  // Every way out: without a successful OK the game gets back what it had
  // when the dialog opened.
  void done(int result) override;

 private:
  void buildVariantFrame();
  void buildHandFrame();
  void buildLevelFrame();

  Game& game_;
  NewGameSettings kept_;
  DialogTwips twips_;
  NameBox* nameBox_ = nullptr;
  QRadioButton* option4_ = nullptr;  // normal
  QRadioButton* option5_ = nullptr;  // Homsi
  QRadioButton* option1_ = nullptr;  // six cards
  QRadioButton* option3_ = nullptr;  // four cards
  QRadioButton* levels_[4] = {};
  QPushButton* okButton_ = nullptr;
};

}  // namespace qorza

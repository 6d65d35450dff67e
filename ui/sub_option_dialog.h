// SPDX-License-Identifier: GPL-3.0-or-later
// The further-options dialog: names, card back, speed, level and the
// winning points. Its OK hides it; the controls keep their values. The
// confirmed back and the winning points go to the game state.
#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

#include "game/card_library.h"
#include "game/further_options.h"
#include "game/slots.h"
#include "ui/twips.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPixmap;
class QRadioButton;
class QScrollBar;

namespace qorza {

struct Game;
class BackPicture;
class NameBox;

class SubOptionDialog : public QDialog {
  Q_OBJECT

 public:
  SubOptionDialog(Game& game, QWidget* parent = nullptr);

  // The menu command: fills names and level from the game, shows modally.
  void openModal();

  // A back design ("back-1" .. "back-8") rendered at size, in logical pixels.
  static QPixmap backPixmap(const Picture& back, QSize size);

 signals:
  // OK changed what the table shows (names, backs); the table repaints.
  void applied();

 protected:
  // However the dialog is left, a box that holds no target gets the last one.
  void done(int result) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void buildBackFrame();
  void buildSpeedFrame();
  void buildNamesFrame();
  void buildLevelFrame();
  void buildTargetFrame();
  void showPreview();
  void showSeconds();
  void onOk();

  Game& game_;
  SubOptionForm form_;
  DialogTwips twips_;

  QLabel* STANSARD_ = nullptr;
  SlotArray<BackPicture*, 1, 11> Image1_{};  // only the eight back indexes are set
  QScrollBar* HS_SPEED_ = nullptr;
  QLabel* LBL_TIME_ = nullptr;
  QLabel* secondsCaption_ = nullptr;  // Label3_3, whose gap holds the seconds
  SlotArray<NameBox*, 1, 2> TXT_NAME_{};
  SlotArray<QRadioButton*, 1, 4> Option1_{};
  QComboBox* Combo1_ = nullptr;
  QString target_ = QStringLiteral("101");  // the box's last target, as typed
};

}  // namespace qorza

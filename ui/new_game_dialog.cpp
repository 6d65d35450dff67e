// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/new_game_dialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "game/bounds.h"
#include "game/game_state.h"
#include "ui/game_style.h"
#include "ui/language.h"
#include "ui/name_box.h"
#include "ui/twips.h"

namespace qorza {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kDarkBlue(0, 0, 128);
const QColor kDarkRed(128, 0, 0);
const QColor kRed(255, 0, 0);

void setTextColour(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, colour);
  pal.setColor(QPalette::ButtonText, colour);
  w->setPalette(pal);
}

// A frame in the look all dialogs share (the style draws it), its caption
// in its own colour.
QGroupBox* frame(QWidget* parent, const char* name, const QString& title, QRect geometry,
                 const QColor& text) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(QString::fromLatin1(name));
  setTextColour(box, text);
  box->setGeometry(geometry);
  return box;
}

QRadioButton* option(QWidget* parent, const char* name, const QString& text, QRect geometry,
                     const QColor& colour) {
  auto* button = new QRadioButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  setTextColour(button, colour);
  return button;
}

}  // namespace

NewGameDialog::NewGameDialog(Game& game, QWidget* parent)
    : QDialog(parent), game_(game), kept_(keepNewGameSettings(game)) {
  setWindowTitle(QString(23, QLatin1Char(' ')) + tr("لعبة Qorza"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setPalette(windowPalette(kDialogFace, Qt::black));
  setAutoFillBackground(true);
  twips_ = DialogTwips::forFont(font());
  setFixedSize(twips_.rect(0, 0, 4005, 4065).size());

  auto* label = new QLabel(tr("الرجاء كتابة إسمك:"), this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setGeometry(twips_.rect(405, 90, 3255, 195));
  setTextColour(label, kBlue);

  nameBox_ = new NameBox(shownName(kDefaultPlayer1Name), this);
  nameBox_->setObjectName(QStringLiteral("TXT_NAME_1"));
  nameBox_->setAccessibleName(tr("اسم اللاعب"));
  nameBox_->setGeometry(twips_.rect(180, 405, 3570, 330));

  buildVariantFrame();
  buildHandFrame();
  buildLevelFrame();

  okButton_ = new QPushButton(tr("&موافــق"), this);
  okButton_->setObjectName(QStringLiteral("CMD_OK"));
  okButton_->setGeometry(twips_.rect(180, 3525, 3570, 465));
  okButton_->setDefault(true);
  okButton_->setAutoDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &NewGameDialog::ok);

  // The tab order runs down the dialog: name, options, OK; each group of
  // options is reached on its checked one.
  setTabOrder(nameBox_, option4_);
  tabToCheckedOption({option4_, option5_});
  tabToCheckedOption({option1_, option3_});
  tabToCheckedOption({levels_[0], levels_[1], levels_[2], levels_[3]});
  placeForReading(this);
  nameBox_->setFocus();
}

void NewGameDialog::buildVariantFrame() {
  QWidget* frame2 = frame(this, "Frame2", tr("نوع لعبة Qorza.........."),
                          twips_.rect(240, 840, 3570, 600), kDarkBlue);
  option5_ =
      option(frame2, "Option5", tr("Qorza حمصية"), twips_.rect(360, 270, 1230, 195), kDarkRed);
  option4_ =
      option(frame2, "Option4", tr("Qorza عادية"), twips_.rect(1935, 270, 1230, 195), kDarkRed);
  option4_->setChecked(true);
  // Homsi Qorza is played with four-card hands only.
  connect(option5_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) {
      option1_->setEnabled(false);
      option3_->setChecked(true);
    }
  });
  connect(option4_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) {
      option1_->setEnabled(true);
    }
  });
}

void NewGameDialog::buildHandFrame() {
  QWidget* frame1 = frame(this, "Frame1", tr(" طريقة توزيع الورق ............. "),
                          twips_.rect(180, 1455, 3570, 600), kDarkBlue);
  option1_ = option(frame1, "Option1", tr("ست أوراق"), twips_.rect(1935, 270, 1230, 195), kDarkRed);
  option3_ =
      option(frame1, "Option3", tr("أربع أوراق"), twips_.rect(360, 270, 1230, 195), kDarkRed);
  option1_->setChecked(true);
}

void NewGameDialog::buildLevelFrame() {
  QWidget* frame5 = frame(this, "Frame5", tr(" مســتوى اللعــــب ..."),
                          twips_.rect(225, 2085, 3510, 1320), kBlue);
  const QString captions[4] = {tr("عــــادي. (للمبدئيـــــن)."), tr("متوســط. (للمتقدميـــن)."),
                               tr("جيـــــــد. (للمحترفيــن)."), tr("خبيـــــر. (للخبـــــراء).")};
  for (int i = 0; i < 4; ++i) {
    const QByteArray name = "Option2_" + QByteArray::number(i + 1);
    levels_[i] = option(frame5, name.constData(), captions[i],
                        twips_.rect(1575, 270 + 270 * i, 1860, 195), kRed);
  }
  // The level checked on opening is no click: it must not change the game's level.
  levels_[1]->setChecked(true);
  for (int i = 0; i < 4; ++i) {
    const int level = i + 1;
    // A clicked level takes effect at once, whatever happens to the dialog.
    connect(levels_[i], &QRadioButton::toggled, this, [this, level](bool on) {
      if (on) {
        game_.SkillLevel = level;
      }
    });
  }
}

QRadioButton* NewGameDialog::levelOption(int level) const {
  return bounds::kLevel.holds(level) ? levels_[level - 1] : nullptr;
}

void NewGameDialog::presetFromGame() {
  option4_->setChecked(true);
  (game_.HandSize == 6 ? option1_ : option3_)->setChecked(true);
  if (QRadioButton* level = levelOption(game_.SkillLevel)) {
    level->setChecked(true);
  }
  nameBox_->setText(shownName(game_.PlayerName(1)));
}

void NewGameDialog::ok() {
  NewGameChoice choice;
  choice.homsi = option5_->isChecked();
  choice.sixCards = option1_->isChecked();
  choice.name = typedName(nameBox_->text());
  if (applyNewGameOptions(game_, choice)) {
    accept();
  } else {
    nameBox_->refuse();
  }
}

void NewGameDialog::done(int result) {
  if (result != QDialog::Accepted) {
    restoreNewGameSettings(game_, kept_);
  }
  QDialog::done(result);
}

void NewGameDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* s = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
  }
  nameBox_->setFocus();
}

}  // namespace qorza

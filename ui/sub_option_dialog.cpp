// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sub_option_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QValidator>
#include <algorithm>

#include "game/bounds.h"
#include "game/game_state.h"
#include "ui/back_picture.h"
#include "ui/choice_accessibility.h"
#include "ui/game_style.h"
#include "ui/language.h"
#include "ui/name_box.h"
#include "ui/twips.h"

namespace qorza {

namespace {

// A card back among the eight, for screen readers: its place in the frame.
QString backChoiceName(int place) {
  return QCoreApplication::translate("qorza::SubOptionDialog", "ظهر الورق %1").arg(place);
}

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

void setTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  widget->setPalette(palette);
}

// A frame with a blue caption; its children keep the dialog's black text.
QGroupBox* frame(QWidget* parent, const char* name, const QString& title, QRect where) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(name);
  setTextColour(box, kBlue);
  box->setGeometry(where);
  return box;
}

std::optional<int> winningPoints(const QString& text) {
  return winningPointsOf(text.toStdU16String());
}

bool isTarget(const QString& text) { return winningPoints(text).value_or(0) >= 1; }

// The winning-points box takes digits only; an empty box or a zero is
// unfinished, and leaving it so (the focus going elsewhere) brings back the
// last target.
class WinningPointsValidator : public QValidator {
 public:
  WinningPointsValidator(const QString& lastTarget, QObject* parent)
      : QValidator(parent), lastTarget_(lastTarget) {}

  State validate(QString& input, int& /*pos*/) const override {
    if (!winningPoints(input)) {
      return Invalid;
    }
    return isTarget(input) ? Acceptable : Intermediate;
  }
  void fixup(QString& input) const override { input = lastTarget_; }

 private:
  const QString& lastTarget_;
};

// The speed bar: its value grows to the left (the slow end), and so do the
// arrow keys move it, the way its handle is seen to go.
class SpeedBar : public QScrollBar {
 public:
  using QScrollBar::QScrollBar;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) &&
        event->modifiers() == Qt::NoModifier) {
      const bool towardsLeft = event->key() == Qt::Key_Left;
      const bool growsLeft = isRightToLeft();
      triggerAction(towardsLeft == growsLeft ? SliderSingleStepAdd : SliderSingleStepSub);
      return;
    }
    QScrollBar::keyPressEvent(event);
  }
};

QLabel* label(QWidget* parent, const QString& text, QRect where) {
  auto* l = new QLabel(text, parent);
  setTextColour(l, Qt::black);
  l->setGeometry(where);
  return l;
}

}  // namespace

SubOptionDialog::SubOptionDialog(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName(QStringLiteral("frm_sub_option"));
  setWindowTitle(tr("خيارات .... "));
  setLayoutDirection(textDirection());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
  setPalette(windowPalette(kDialogFace, Qt::black));
  setAutoFillBackground(true);
  twips_ = DialogTwips::forFont(font());
  setFixedSize(twips_.rect(0, 0, 7515, 5790).size());

  buildBackFrame();
  buildSpeedFrame();
  buildNamesFrame();
  buildLevelFrame();
  buildTargetFrame();

  auto* ok = new QPushButton(tr("&موافــق"), this);
  ok->setObjectName(QStringLiteral("CMD_OK"));
  ok->setGeometry(twips_.rect(120, 4680, 1995, 510));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &SubOptionDialog::onOk);

  // The window's load: the preview from the confirmed back, the speed from
  // the game's delay.
  placeForReading(this);
  subOptionLoad(game_, form_);
  showPreview();
  HS_SPEED_->setValue(form_.HS_SPEED);
  showSeconds();
}

void SubOptionDialog::buildBackFrame() {
  QGroupBox* box =
      frame(this, "Frame1", tr(" مجموعة ورق اللعب ... "), twips_.rect(495, 15, 6180, 2895));
  STANSARD_ = new QLabel(box);
  STANSARD_->setObjectName(QStringLiteral("STANSARD"));
  STANSARD_->setGeometry(twips_.rect(45, 450, 1335, 1950));
  label(box, tr("شكل خلفية الورق"), twips_.rect(135, 2520, 1185, 195))
      ->setObjectName(QStringLiteral("Label2"));

  struct Place {
    int index, left, top;
  };
  // Top row from the right: 1, 2, 4, 3; bottom row: 7, 11, 8, 5.
  const Place places[] = {{1, 4890, 225},  {2, 3915, 225},   {4, 2910, 225},  {3, 1965, 225},
                          {7, 4890, 1575}, {11, 3960, 1575}, {8, 2955, 1575}, {5, 1920, 1545}};
  int place = 0;
  for (const Place& p : places) {
    auto* picture = new BackPicture(p.index, box);
    makeAccessibleChoice(picture, backChoiceName(++place));
    picture->setObjectName(QStringLiteral("Image1_%1").arg(p.index));
    picture->setGeometry(twips_.rect(p.left, p.top, 840, 1215));
    picture->setPixmap(backPixmap(backPictureOf(p.index), picture->size()));
    connect(picture, &BackPicture::chosen, this, [this](int index) {
      Image1_Click(form_, index);
      showPreview();
    });
    Image1_(p.index) = picture;
  }
}

void SubOptionDialog::buildSpeedFrame() {
  QGroupBox* box =
      frame(this, "Frame3", tr(" سرعة اللعب ... "), twips_.rect(135, 3120, 3525, 1095));
  HS_SPEED_ = new SpeedBar(Qt::Horizontal, box);
  HS_SPEED_->setObjectName(QStringLiteral("HS_SPEED"));
  HS_SPEED_->setAccessibleName(tr("سرعة اللعب"));
  HS_SPEED_->setGeometry(twips_.rect(225, 315, 3030, 240));
  HS_SPEED_->setLayoutDirection(textDirection());  // fast at the reading start
  setTextColour(HS_SPEED_, Qt::black);             // arrows in black, not the caption's blue
  HS_SPEED_->setFocusPolicy(Qt::StrongFocus);      // arrows and PageUp/PageDown move it
  HS_SPEED_->setRange(bounds::kDelayMs.lo, bounds::kDelayMs.hi);
  HS_SPEED_->setSingleStep(100);
  HS_SPEED_->setPageStep(1000);
  // Both a click and a drag show the new delay at once.
  connect(HS_SPEED_, &QScrollBar::valueChanged, this, [this](int value) {
    HS_SPEED_Change(form_, value);
    showSeconds();
  });

  const char* scaleNames[] = {"Label3_0", "Label3_1", "Label3_2"};
  const QString scale[] = {tr("سريع"), tr("بطيىء"), tr("متوسط")};
  const int scaleLeft[] = {2925, 90, 1455};
  for (int i = 0; i < 3; ++i) {
    label(box, scale[i], twips_.rect(scaleLeft[i], 585, 500, 195))->setObjectName(scaleNames[i]);
  }
  secondsCaption_ =
      label(box, tr("مقدار السرعة:               ثانية"), twips_.rect(540, 810, 1905, 195));
  secondsCaption_->setObjectName(QStringLiteral("Label3_3"));
  LBL_TIME_ = label(box, QStringLiteral("0"), twips_.rect(1185, 810, 90, 195));
  LBL_TIME_->setObjectName(QStringLiteral("LBL_TIME"));
  setTextColour(LBL_TIME_, kRed);
}

void SubOptionDialog::buildNamesFrame() {
  QGroupBox* box =
      frame(this, "Frame2", tr(" أسماء اللاعبين ... "), twips_.rect(3870, 3127, 3525, 1095));
  label(box, tr("اللاعب الأول:"), twips_.rect(2550, 270, 900, 285))
      ->setObjectName(QStringLiteral("Label1_0"));
  label(box, tr("اللاعب الثاني :"), twips_.rect(2430, 630, 1020, 285))
      ->setObjectName(QStringLiteral("Label1_1"));
  for (int i = 1; i <= 2; ++i) {
    auto* edit = new NameBox(shownName(form_.TXT_NAME(i)), box);
    edit->setObjectName(QStringLiteral("TXT_NAME_%1").arg(i));
    edit->setAccessibleName(i == 1 ? tr("اسم اللاعب الأول") : tr("اسم اللاعب الثاني"));
    edit->setGeometry(twips_.rect(270, i == 1 ? 270 : 630, 1860, 285));
    connect(edit, &QLineEdit::textChanged, this,
            [this, i](const QString& text) { form_.TXT_NAME(i) = typedName(text); });
    TXT_NAME_(i) = edit;
  }
}

void SubOptionDialog::buildLevelFrame() {
  QGroupBox* box =
      frame(this, "Frame5", tr(" مســتوى اللعــــب ..."), twips_.rect(3870, 4320, 3525, 1320));
  const QString captions[] = {tr("عــــادي. (للمبدئيـــــن)."), tr("متوســط. (للمتقدميـــن)."),
                              tr("جيـــــــد. (للمحترفيــن)."), tr("خبيـــــر. (للخبـــــراء).")};
  for (int level = bounds::kLevel.lo; level <= bounds::kLevel.hi; ++level) {
    auto* option = new QRadioButton(captions[level - 1], box);
    option->setObjectName(QStringLiteral("Option1_%1").arg(level));
    option->setGeometry(twips_.rect(1575, 270 * level, 1860, 195));
    setTextColour(option, kRed);
    // The level changes at once, OK or not.
    connect(option, &QRadioButton::clicked, this,
            [this, level] { Option1_Click(game_, form_, level); });
    Option1_(level) = option;
  }
  tabToCheckedOption({Option1_(1), Option1_(2), Option1_(3), Option1_(4)});
}

void SubOptionDialog::buildTargetFrame() {
  QGroupBox* box = frame(this, "Frame4", tr("نقاط الربح"), twips_.rect(2280, 4320, 1485, 1050));
  Combo1_ = new QComboBox(box);
  Combo1_->setObjectName(QStringLiteral("Combo1"));
  Combo1_->setGeometry(twips_.rect(2520 - 2280, 4800 - 4320, 975, 315));
  Combo1_->setEditable(true);
  Combo1_->setAccessibleName(tr("نقاط الربح"));
  Combo1_->lineEdit()->setAccessibleName(tr("نقاط الربح"));
  Combo1_->setInsertPolicy(QComboBox::NoInsert);
  for (const char* points : {"51", "101", "201", "301", "401", "501", "601"}) {
    Combo1_->addItem(QString::fromLatin1(points));
  }
  target_ = QString::fromStdString(game_.winningPointsText);
  Combo1_->setCurrentIndex(Combo1_->findText(target_));
  Combo1_->setEditText(target_);
  Combo1_->setValidator(new WinningPointsValidator(target_, Combo1_));
  Combo1_->lineEdit()->setMaxLength(static_cast<int>(std::to_string(kMaxWinningPoints).size()));
  // The game takes the winning points as they are typed, in ASCII digits,
  // while the box holds a target of at least 1; OK is not needed.
  connect(Combo1_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (isTarget(text)) {
      target_ = text;
      game_.winningPointsText = std::to_string(*winningPoints(text));
    }
  });
  QPalette palette = Combo1_->palette();
  for (auto role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
    palette.setColor(role, QColor(255, 255, 0));
  }
  for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
    palette.setColor(role, QColor(0, 0, 128));
  }
  Combo1_->setPalette(palette);
}

// The seconds, centred in the gap that the caption beside them leaves.
void SubOptionDialog::showSeconds() {
  LBL_TIME_->setText(QString::fromStdString(form_.LBL_TIME));
  LBL_TIME_->resize(LBL_TIME_->sizeHint().width(), LBL_TIME_->height());
  // The caption reads from its start: its first words, the gap, the unit.
  const QString caption = secondsCaption_->text();
  const qsizetype gapStart = caption.indexOf(QStringLiteral("  "));
  const QFontMetrics fm = secondsCaption_->fontMetrics();
  const int firstWords = fm.horizontalAdvance(caption.left(gapStart));
  const int gapWidth = fm.horizontalAdvance(caption.mid(gapStart)) -
                       fm.horizontalAdvance(caption.mid(gapStart).trimmed());
  const QRect at = secondsCaption_->geometry();
  const int gapCentre = layoutDirection() == Qt::RightToLeft
                            ? at.right() + 1 - firstWords - gapWidth / 2
                            : at.left() + firstWords + gapWidth / 2;
  LBL_TIME_->move(gapCentre - LBL_TIME_->width() / 2, LBL_TIME_->y());
}

// The preview shows the back last chosen; Tab reaches the backs on it.
void SubOptionDialog::showPreview() {
  STANSARD_->setPixmap(backPixmap(form_.STANSARD.Picture, STANSARD_->size()));
  for (const int index : kBackIndexes) {
    const bool shown = backPictureOf(index) == form_.STANSARD.Picture;
    Image1_(index)->setFocusPolicy(shown ? Qt::StrongFocus : Qt::ClickFocus);
    setChoiceChosen(Image1_(index), shown);
  }
}

void SubOptionDialog::openModal() {
  mnu_sub_option_Click(game_, form_);
  for (int i = 1; i <= 2; ++i) {
    TXT_NAME_(i)->setText(shownName(form_.TXT_NAME(i)));
  }
  if (bounds::kLevel.holds(game_.SkillLevel)) {
    Option1_(game_.SkillLevel)->setChecked(true);
  }
  exec();
}

void SubOptionDialog::onOk() {
  // Both players need a name; spaces alone are none.
  for (int i = 1; i <= 2; ++i) {
    if (!TXT_NAME_(i)->holdsName()) {
      TXT_NAME_(i)->refuse();
      return;
    }
  }
  CMD_OK_Click(game_, form_);
  accept();  // hidden, not destroyed: every control keeps its value
  emit applied();
}

// A click on the dialog's ground, a caption or a frame takes no focus: the
// winning-points box left without a target shows the last one all the same.
void SubOptionDialog::mousePressEvent(QMouseEvent* event) {
  if (!isTarget(Combo1_->currentText())) {
    Combo1_->setEditText(target_);
  }
  QDialog::mousePressEvent(event);
}

void SubOptionDialog::done(int result) {
  if (!isTarget(Combo1_->currentText())) {
    Combo1_->setEditText(target_);
  }
  QDialog::done(result);
}

QPixmap SubOptionDialog::backPixmap(const Picture& back, QSize size) {
  const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
  QPixmap pixmap(size * ratio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(QStringLiteral(":/backs/%1.svg").arg(QString::fromStdString(back)));
  QPainter painter(&pixmap);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

}  // namespace qorza

#include "ui/sub_option_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTimer>
#include <QValidator>
#include <algorithm>

#include "game/game_state.h"
#include "ui/twips.h"

// The pictures are compiled into the static UI library; this pulls them in.
static void loadDialogPictures() { Q_INIT_RESOURCE(resources); }

namespace qorza {

namespace {

QColor red() { return {255, 0, 0}; }

void setTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  widget->setPalette(palette);
}

// A frame with a blue caption; its children keep their own colours.
QGroupBox* frame(QWidget* parent, const char* name, const QString& title, QRect where) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(name);
  QPalette palette = box->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 255));  // the caption
  box->setPalette(palette);
  box->setGeometry(where);
  return box;
}

// The height of one line of text in a widget's font.
int lineHeight(const QWidget* widget) { return widget->fontMetrics().height(); }

// Grows a control whose text the substituted font would clip, keeping its
// right edge and its vertical centre. neededHeight < 0: the control's own.
void growToFit(QWidget* widget, int neededHeight = -1) {
  const QSize hint = widget->sizeHint();
  if (neededHeight < 0) {
    neededHeight = hint.height();
  }
  QRect r = widget->geometry();
  if (hint.width() > r.width()) {
    r.setLeft(r.left() + r.width() - hint.width());
  }
  if (neededHeight > r.height()) {
    r.translate(0, -(neededHeight - r.height()) / 2);
    r.setHeight(neededHeight);
  }
  widget->setGeometry(r);
}

// The frames were drawn for a caption 15 pixels high. A taller caption font
// would have the caption run under the first row of controls, so the
// contents move down by the difference and the frame grows to hold them.
void clearCaption(QGroupBox* box) {
  const int shift = std::max(0, lineHeight(box) - 15);
  int bottom = box->height();
  for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    child->move(child->x(), child->y() + shift);
    bottom = std::max(bottom, child->geometry().bottom() + 3);
  }
  const int room = box->parentWidget()->height() - box->y();
  box->resize(box->width(), std::min(std::max(box->height() + shift, bottom), room));
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

QLabel* label(QWidget* parent, const QString& text, QRect where) {
  auto* l = new QLabel(text, parent);
  setTextColour(l, QApplication::palette().color(QPalette::WindowText));
  l->setGeometry(where);
  growToFit(l);
  return l;
}

}  // namespace

SubOptionDialog::SubOptionDialog(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  loadDialogPictures();
  setObjectName(QStringLiteral("frm_sub_option"));
  setWindowTitle(QStringLiteral("خيارات .... "));
  setLayoutDirection(Qt::RightToLeft);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
  setFixedSize(dialogRect(0, 0, 7515, 5520).size());

  buildBackFrame();
  buildSpeedFrame();
  buildNamesFrame();
  buildLevelFrame();
  buildTargetFrame();

  auto* ok = new QPushButton(QStringLiteral("&موافــق"), this);
  ok->setObjectName(QStringLiteral("CMD_OK"));
  ok->setGeometry(dialogRect(120, 4680, 1995, 510));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &SubOptionDialog::onOk);

  // The window's load: the preview from the confirmed back, the speed from
  // the game's delay.
  subOptionLoad(game_, form_);
  showPreview();
  HS_SPEED_->setValue(form_.HS_SPEED);
  showSeconds();
}

void SubOptionDialog::buildBackFrame() {
  QGroupBox* box = frame(this, "Frame1", QStringLiteral(" مجموعة ورق اللعب ... "),
                         dialogRect(495, 15, 6180, 2895));
  STANSARD_ = new QLabel(box);
  STANSARD_->setObjectName(QStringLiteral("STANSARD"));
  STANSARD_->setGeometry(dialogRect(45, 450, 1335, 1950));
  label(box, QStringLiteral("شكل خلفية الورق"), dialogRect(135, 2520, 1185, 195))
      ->setObjectName(QStringLiteral("Label2"));

  struct Place {
    int index, left, top;
  };
  // Top row from the right: 1, 2, 4, 3; bottom row: 7, 11, 8, 5.
  const Place places[] = {{1, 4890, 225},  {2, 3915, 225},   {4, 2910, 225},  {3, 1965, 225},
                          {7, 4890, 1575}, {11, 3960, 1575}, {8, 2955, 1575}, {5, 1920, 1545}};
  for (const Place& p : places) {
    auto* picture = new QLabel(box);
    picture->setObjectName(QStringLiteral("Image1_%1").arg(p.index));
    picture->setGeometry(dialogRect(p.left, p.top, 840, 1215));
    picture->setPixmap(backPixmap(backPictureOf(p.index), picture->size()));
    picture->setCursor(Qt::PointingHandCursor);
    picture->installEventFilter(this);
    Image1_(p.index) = picture;
  }
  clearCaption(box);
}

void SubOptionDialog::buildSpeedFrame() {
  QGroupBox* box =
      frame(this, "Frame3", QStringLiteral(" سرعة اللعب ... "), dialogRect(135, 3120, 3525, 1095));
  HS_SPEED_ = new QScrollBar(Qt::Horizontal, box);
  HS_SPEED_->setObjectName(QStringLiteral("HS_SPEED"));
  HS_SPEED_->setGeometry(dialogRect(225, 315, 3030, 240));
  HS_SPEED_->setLayoutDirection(Qt::RightToLeft);  // fast at the right end
  QPalette plain = HS_SPEED_->palette();           // arrows in black, not the caption's blue
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    plain.setColor(role, QApplication::palette().color(role));
  }
  HS_SPEED_->setPalette(plain);
  HS_SPEED_->setRange(0, 3000);
  HS_SPEED_->setSingleStep(100);
  HS_SPEED_->setPageStep(1000);
  // Both a click and a drag show the new delay at once.
  connect(HS_SPEED_, &QScrollBar::valueChanged, this, [this](int value) {
    HS_SPEED_Change(form_, value);
    showSeconds();
  });

  const char* scaleNames[] = {"Label3_0", "Label3_1", "Label3_2"};
  const QString scale[] = {QStringLiteral("سريع"), QStringLiteral("بطيىء"),
                           QStringLiteral("متوسط")};
  const int scaleLeft[] = {2925, 90, 1455};
  for (int i = 0; i < 3; ++i) {
    label(box, scale[i], dialogRect(scaleLeft[i], 585, 500, 195))->setObjectName(scaleNames[i]);
  }
  label(box, QStringLiteral("مقدار السرعة:               ثانية"), dialogRect(540, 810, 1905, 195))
      ->setObjectName(QStringLiteral("Label3_3"));
  LBL_TIME_ = label(box, QStringLiteral("0"), dialogRect(1185, 810, 90, 195));
  LBL_TIME_->setObjectName(QStringLiteral("LBL_TIME"));
  setTextColour(LBL_TIME_, red());
  clearCaption(box);
}

void SubOptionDialog::buildNamesFrame() {
  QGroupBox* box = frame(this, "Frame2", QStringLiteral(" أسماء اللاعبين ... "),
                         dialogRect(3870, 3127, 3525, 1095));
  label(box, QStringLiteral("اللاعب الأول:"), dialogRect(2550, 270, 900, 285))
      ->setObjectName(QStringLiteral("Label1_0"));
  label(box, QStringLiteral("اللاعب الثاني :"), dialogRect(2430, 630, 1020, 285))
      ->setObjectName(QStringLiteral("Label1_1"));
  for (int i = 1; i <= 2; ++i) {
    auto* edit = new QLineEdit(QString::fromStdString(form_.TXT_NAME(i)), box);
    edit->setObjectName(QStringLiteral("TXT_NAME_%1").arg(i));
    edit->setGeometry(dialogRect(270, i == 1 ? 270 : 630, 1860, 285));
    growToFit(edit, lineHeight(edit) + 2);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this,
            [this, i](const QString& text) { form_.TXT_NAME(i) = text.toStdString(); });
    TXT_NAME_(i) = edit;
  }
  clearCaption(box);
}

void SubOptionDialog::buildLevelFrame() {
  QGroupBox* box = frame(this, "Frame5", QStringLiteral(" مســتوى اللعــــب ..."),
                         dialogRect(3870, 4320, 3525, 1050));
  const QString captions[] = {QStringLiteral("عــــادي. (للمبدئيـــــن)."),
                              QStringLiteral("متوســط. (للمتقدميـــن)."),
                              QStringLiteral("جيـــــــد. (للمحترفيــن).")};
  for (int level = 1; level <= 3; ++level) {
    auto* option = new QRadioButton(captions[level - 1], box);
    option->setObjectName(QStringLiteral("Option1_%1").arg(level));
    option->setGeometry(dialogRect(1575, 270 * level, 1860, 195));
    setTextColour(option, red());
    growToFit(option, lineHeight(option));
    // The level changes at once, OK or not.
    connect(option, &QRadioButton::clicked, this,
            [this, level] { Option1_Click(game_, form_, level); });
    Option1_(level) = option;
  }
  clearCaption(box);
}

void SubOptionDialog::buildTargetFrame() {
  QGroupBox* box =
      frame(this, "Frame4", QStringLiteral("نقاط الربح"), dialogRect(2280, 4320, 1485, 1050));
  Combo1_ = new QComboBox(box);
  Combo1_->setObjectName(QStringLiteral("Combo1"));
  Combo1_->setGeometry(dialogRect(2520 - 2280, 4800 - 4320, 975, 315));
  Combo1_->setEditable(true);
  Combo1_->setInsertPolicy(QComboBox::NoInsert);
  for (const char* points : {"51", "101", "201", "301", "401", "501", "601"}) {
    Combo1_->addItem(QString::fromLatin1(points));
  }
  Combo1_->setCurrentIndex(1);
  Combo1_->setValidator(new WinningPointsValidator(target_, Combo1_));
  connect(Combo1_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (isTarget(text)) {
      target_ = text;
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
  growToFit(Combo1_, lineHeight(Combo1_) + 2);
  clearCaption(box);
}

// The seconds, centred in the gap that the caption beside them leaves.
void SubOptionDialog::showSeconds() {
  LBL_TIME_->setText(QString::fromStdString(form_.LBL_TIME));
  LBL_TIME_->adjustSize();
  LBL_TIME_->move(dialogPixels(1185 + 90 / 2) - LBL_TIME_->width() / 2, LBL_TIME_->y());
}

void SubOptionDialog::showPreview() {
  STANSARD_->setPixmap(backPixmap(form_.STANSARD.Picture, STANSARD_->size()));
}

void SubOptionDialog::openModal() {
  mnu_sub_option_Click(game_, form_);
  for (int i = 1; i <= 2; ++i) {
    TXT_NAME_(i)->setText(QString::fromStdString(form_.TXT_NAME(i)));
  }
  if (game_.SkillLevel >= 1 && game_.SkillLevel <= 3) {
    Option1_(game_.SkillLevel)->setChecked(true);
  }
  exec();
}

void SubOptionDialog::onOk() {
  CMD_OK_Click(game_, form_);
  accept();  // hidden, not destroyed: every control keeps its value
  emit applied();
}

QString SubOptionDialog::targetText() const {
  return QString::number(winningPoints(target_).value_or(0));
}

void SubOptionDialog::done(int result) {
  if (!isTarget(Combo1_->currentText())) {
    Combo1_->setEditText(target_);
  }
  QDialog::done(result);
}

Picture SubOptionDialog::chosenBack() const { return form_.appliedBack; }

QPixmap SubOptionDialog::backPixmap(const Picture& back, QSize size) {
  loadDialogPictures();
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

bool SubOptionDialog::eventFilter(QObject* watched, QEvent* event) {
  for (int i = 1; i <= 2; ++i) {
    // A click or the focus selects the whole name, ready to be typed over.
    if (watched == TXT_NAME_(i) &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease)) {
      QTimer::singleShot(0, TXT_NAME_(i), &QLineEdit::selectAll);
    }
  }
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (int index : kBackIndexes) {
      if (watched == Image1_(index)) {
        Image1_Click(form_, index);
        showPreview();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace qorza

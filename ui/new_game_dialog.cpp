#include "ui/new_game_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include "game/game_state.h"
#include "ui/twips.h"

namespace qorza {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kDarkBlue(0, 0, 128);
const QColor kDarkRed(128, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kGrey(192, 192, 192);

void setTextColour(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, colour);
  pal.setColor(QPalette::ButtonText, colour);
  w->setPalette(pal);
}

// A frame as the original drew it: an etched border whose top line runs
// through the middle of the caption, the caption at the reading start.
class CaptionFrame : public QWidget {
 public:
  CaptionFrame(const QString& title, const QColor& text, bool grey, QWidget* parent)
      : QWidget(parent), title_(title), text_(text) {
    if (grey) {
      QPalette pal = palette();
      pal.setColor(QPalette::Window, kGrey);
      setPalette(pal);
      setAutoFillBackground(true);
    }
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int line = fm.ascent() / 2;
    const QRect border = rect().adjusted(0, line, -1, -1);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(border.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(border.adjusted(1, 1, 0, 0));
    const int width = fm.horizontalAdvance(title_);
    const int x = layoutDirection() == Qt::RightToLeft ? rect().width() - 8 - width : 8;
    const QRect caption(x, 0, width, fm.height());
    p.fillRect(caption, palette().color(QPalette::Window));
    p.setPen(text_);
    p.drawText(caption, Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignTop, title_);
  }

 private:
  QString title_;
  QColor text_;
};

QWidget* frame(QWidget* parent, const QString& title, QRect geometry, const QColor& text,
               bool grey) {
  auto* box = new CaptionFrame(title, text, grey, parent);
  box->setGeometry(geometry);
  return box;
}

// Arabic faces here are wider and taller than the original's: a control
// whose text would be cut grows toward its reading end (the left) and
// evenly up and down, its reading start kept.
void fitText(QWidget* w) {
  const QSize need = w->sizeHint();
  QRect g = w->geometry();
  if (need.width() > g.width()) {
    g.setLeft(g.right() + 1 - need.width());
  }
  if (need.height() > g.height()) {
    const int grow = need.height() - g.height();
    g.adjust(0, -grow / 2, 0, grow - grow / 2);
  }
  w->setGeometry(g);
}

QRadioButton* option(QWidget* parent, const QString& text, QRect geometry, const QColor& colour) {
  auto* button = new QRadioButton(text, parent);
  button->setGeometry(geometry);
  setTextColour(button, colour);
  fitText(button);
  return button;
}

// The name box: a click or the focus selects the whole name, so typing
// replaces it.
class NameBox : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLineEdit::mouseReleaseEvent(event);
    selectAll();
  }
};

}  // namespace

NewGameDialog::NewGameDialog(Game& game, QWidget* parent)
    : QDialog(parent), game_(game), kept_(keepNewGameSettings(game)) {
  setWindowTitle(QString(23, QLatin1Char(' ')) + QStringLiteral("لعبة Qorza"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(dialogRect(0, 0, 4005, 3795).size());

  auto* label = new QLabel(QStringLiteral("الرجاء كتابة إسمك:"), this);
  label->setGeometry(dialogRect(405, 90, 3255, 195));
  setTextColour(label, kBlue);
  fitText(label);

  nameBox_ = new NameBox(QString::fromStdString(kDefaultPlayer1Name), this);
  nameBox_->setGeometry(dialogRect(180, 405, 3570, 330));

  buildVariantFrame();
  buildHandFrame();
  buildLevelFrame();

  okButton_ = new QPushButton(QStringLiteral("&موافــق"), this);
  okButton_->setGeometry(dialogRect(180, 3255, 3570, 465));
  okButton_->setDefault(true);
  okButton_->setAutoDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &NewGameDialog::ok);

  // The tab order follows the form: name, options, OK.
  setTabOrder(nameBox_, option4_);
  nameBox_->setFocus();
}

void NewGameDialog::buildVariantFrame() {
  QWidget* frame2 = frame(this, QStringLiteral("نوع لعبة Qorza.........."),
                          dialogRect(240, 840, 3570, 600), kDarkBlue, true);
  option5_ =
      option(frame2, QStringLiteral("Qorza حمصية"), dialogRect(360, 270, 1230, 195), kDarkRed);
  option4_ =
      option(frame2, QStringLiteral("Qorza عادية"), dialogRect(1935, 270, 1230, 195), kDarkRed);
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
  QWidget* frame1 = frame(this, QStringLiteral(" طريقة توزيع الورق ............. "),
                          dialogRect(180, 1455, 3570, 600), kDarkBlue, true);
  option1_ = option(frame1, QStringLiteral("ست أوراق"), dialogRect(1935, 270, 1230, 195), kDarkRed);
  option3_ =
      option(frame1, QStringLiteral("أربع أوراق"), dialogRect(360, 270, 1230, 195), kDarkRed);
  option1_->setChecked(true);
}

void NewGameDialog::buildLevelFrame() {
  QWidget* frame5 = frame(this, QStringLiteral(" مســتوى اللعــــب ..."),
                          dialogRect(225, 2085, 3510, 1050), kBlue, false);
  const QString captions[3] = {QStringLiteral("عــــادي. (للمبدئيـــــن)."),
                               QStringLiteral("متوســط. (للمتقدميـــن)."),
                               QStringLiteral("جيـــــــد. (للمحترفيــن).")};
  for (int i = 0; i < 3; ++i) {
    levels_[i] = option(frame5, captions[i], dialogRect(1575, 270 + 270 * i, 1860, 195), kRed);
  }
  // The design-time choice is no click: it must not change the game's level.
  levels_[1]->setChecked(true);
  for (int i = 0; i < 3; ++i) {
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
  return level >= 1 && level <= 3 ? levels_[level - 1] : nullptr;
}

void NewGameDialog::presetFromGame() {
  option4_->setChecked(true);
  (game_.HandSize == 6 ? option1_ : option3_)->setChecked(true);
  if (QRadioButton* level = levelOption(game_.SkillLevel)) {
    level->setChecked(true);
  }
  nameBox_->setText(QString::fromStdString(game_.PlayerName(1)));
}

void NewGameDialog::ok() {
  NewGameChoice choice;
  choice.homsi = option5_->isChecked();
  choice.sixCards = option1_->isChecked();
  choice.name = nameBox_->text().toStdString();
  if (applyNewGameOptions(game_, choice)) {
    accept();
  } else {
    nameBox_->setFocus();
    nameBox_->selectAll();
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

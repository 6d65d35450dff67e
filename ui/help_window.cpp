// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_window.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "ui/game_style.h"
#include "ui/language.h"
#include "ui/twips.h"

namespace qorza {

namespace {

const QColor kDarkRed(192, 0, 0);
const QColor kOlive(192, 192, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 255, 0);
const QColor kCyan(0, 255, 255);

struct Piece {
  const char* text;
  QRect at;  // twips
  QColor colour;
};

// The rules, piece by piece in index order, as they stand on the window.
const Piece kRules[HelpWindow::kPieces] = {
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "Qorza"),
     {2835, 0, 1230, 600},
     kDarkRed},  // 0, the title
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "أ-كيفية توزيع الورق:"),
     {5130, 360, 1725, 330},
     kOlive},  // 1
    {QT_TRANSLATE_NOOP(
         "qorza::HelpWindow",
         "يوزع الورق بطريقتين إما أن يوزع أربع كروت للأرض وأربع كروت لكل لاعب أويوزع أربع كروت "),
     {135, 765, 6765, 330},
     kWhite},  // 2
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "وأربع كروت لكل لاعب وهكذا حتى إنتهاء ورق اللعب"),
     {2925, 1125, 3930, 330},
     kWhite},  // 3
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "ب-كيفية اللعب:"),
     {5445, 1530, 1455, 330},
     kOlive},  // 4
    {QT_TRANSLATE_NOOP(
         "qorza::HelpWindow",
         "تعتمد هذه العبة بالدرجة الأولى على أكل Qorza وQorza هنا هي أكل كروت الأرض جميعها عن"),
     {135, 1890, 6765, 330},
     kWhite},  // 5
    {QT_TRANSLATE_NOOP(
         "qorza::HelpWindow",
         "طريق رمي كرت تمثل قيمته مجموع هذه الكروت أو تمثل حاصل جمع بعضها وحاصل جمع مـا"),
     {135, 2295, 6765, 330},
     kWhite},  // 6
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "تبقى منها على الأرض."),
     {5355, 2610, 1545, 330},
     kWhite},  // 7
    {QT_TRANSLATE_NOOP("qorza::HelpWindow",
                       "وتعتمد بالدرجة الثانية على تجميع النقاط وإليكم الأوراق ذات النقاط وماذا "
                       "تمثل كل ورقة من نقاط"),
     {135, 2925, 6900, 330},
     kWhite},  // 8
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "العشرة الطيبة"),
     {5535, 3420, 1140, 375},
     kGreen},  // 9
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "تمثل ثلاث نقاط"),
     {3600, 3420, 1410, 375},
     kCyan},                                                                                 // 10
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "جوزة الزهر"), {2205, 3420, 960, 375}, kGreen},  // 11
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "تمثل نقطتان"), {585, 3420, 1095, 330}, kCyan},  // 12
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "الشب"), {5625, 3825, 915, 375}, kGreen},        // 13
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "يمثل نقطة واحدة"),
     {3510, 3825, 1545, 375},
     kCyan},                                                                           // 14
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "الآس"), {2250, 3825, 735, 375}, kGreen},  // 15
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "يمثل نقطة واحدة"),
     {180, 3825, 1545, 330},
     kCyan},  // 16
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", " إن رمي الشب على الأرض يعمل على أكل جميع الأوراق"),
     {810, 4275, 4200, 330},
     kWhite},                                                                             // 17
    {QT_TRANSLATE_NOOP("qorza::HelpWindow", "ملاحظة:"), {5760, 4230, 960, 330}, kOlive},  // 18
    {QT_TRANSLATE_NOOP("qorza::HelpWindow",
                       "المستوى الخبير لا ينظر أبداً إلى أوراقك: يلعب بما يراه فقط."),
     {2100, 4590, 4800, 330},
     kWhite},  // 19
};

// OK's place as designed, and the window's height.
const QRect kOkPlace = dialogRect(2475, 4950, 2175, 375);
const int kDesignHeight = dialogPixels(5460);

// The title, the three headings and the body each have their own type.
enum class Style { Title, Heading, Body };

Style styleOf(int index) {
  if (index == 0) {
    return Style::Title;
  }
  return index == 1 || index == 4 || index == 18 ? Style::Heading : Style::Body;
}

QFont styleFont(Style style, double points) {
  QFont font(
      QString::fromLatin1(style == Style::Heading ? "Simplified Arabic Backslanted" : "Mudir MT"));
  font.setPointSizeF(points);
  if (style == Style::Heading) {
    font.setBold(true);
  } else if (style == Style::Body) {
    font.setWeight(QFont::DemiBold);
  }
  return font;
}

double designPoints(Style style) {
  switch (style) {
    case Style::Title:
      return 18;
    case Style::Heading:
      return 12;
    case Style::Body:
      break;
  }
  return 9.75;
}

// The width a text box needs to show its whole text in a font: the text and
// the box's own margins on either side.
QString pieceText(int index) { return HelpWindow::tr(kRules[index].text); }

int neededWidth(int index, const QFont& font) {
  return QFontMetrics(font).horizontalAdvance(pieceText(index)) + 8;
}

QLineEdit* pieceBox(QWidget* parent, int index) {
  const Piece& piece = kRules[index];
  auto* box = new QLineEdit(pieceText(index), parent);
  box->setObjectName(QStringLiteral("Text2_%1").arg(index));
  box->setReadOnly(true);
  box->setFrame(false);
  box->setFocusPolicy(Qt::NoFocus);
  // Each line starts at its reading edge: the right in Arabic, the left in English.
  box->setAlignment(
      (parent->layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) |
      Qt::AlignAbsolute | Qt::AlignVCenter);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, Qt::black);
  palette.setColor(QPalette::Text, piece.colour);
  box->setPalette(palette);
  return box;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_help"));
  setWindowTitle(QString(51, QLatin1Char(' ')) + QStringLiteral("<<<Help>>>"));
  setLayoutDirection(textDirection());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
  setFixedSize(dialogRect(0, 0, 6975, 5460).size());
  setPalette(windowPalette(Qt::black, Qt::white));
  setAutoFillBackground(true);

  for (int i = 0; i < kPieces; ++i) {
    pieceBox(this, i);
  }
  auto* ok = new QPushButton(tr("موافـــــــــــــق"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(kOkPlace);
  ok->setDefault(true);
  ok->setPalette(windowPalette(kDialogFace, Qt::black));       // a plain button on the dark window
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);  // hidden, kept
  fitPieces();
  fitOk();
}

void HelpWindow::showModal() { exec(); }

// OK as large as its font asks (a large desktop font makes it taller than
// designed), centred where designed, clear of the last line and of the
// window's bottom; the window grows when it must.
void HelpWindow::fitOk() {
  auto* ok = findChild<QPushButton*>(QStringLiteral("Command1"));
  const QSize wanted = ok->sizeHint().expandedTo(kOkPlace.size());
  const int lastLine = findChild<QLineEdit*>(QStringLiteral("Text2_17"))->geometry().bottom();
  const int top =
      std::max(lastLine + 4, std::min(kOkPlace.y(), kDesignHeight - 4 - wanted.height()));
  ok->setGeometry(kOkPlace.center().x() - wanted.width() / 2, top, wanted.width(), wanted.height());
  setFixedSize(width(), std::max(kDesignHeight, top + wanted.height() + 4));
}

void HelpWindow::showEvent(QShowEvent* event) {
  fitPieces();  // the fonts may have been substituted since the window was made
  fitOk();
  QDialog::showEvent(event);
}

// Each piece at its place, mirrored for left-to-right reading. A box too
// small for its text in the installed font grows down and away from its
// reading edge (to the left in Arabic, to the right in English); when a line
// would not fit even so, its whole group (body, headings or title) takes a
// smaller size, so that the lines keep one type.
void HelpWindow::fitPieces() {
  const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
  auto place = [this, rightToLeft](int i) {
    QRect at =
        dialogRect(kRules[i].at.x(), kRules[i].at.y(), kRules[i].at.width(), kRules[i].at.height());
    at = QRect(at.x(), at.y(), std::min(at.x() + at.width(), width()) - at.x(), at.height());
    if (!rightToLeft) {
      at.moveLeft(width() - at.x() - at.width());
    }
    return at;
  };
  // The room from a box's reading edge to the window's far edge.
  auto room = [this, rightToLeft](const QRect& at) {
    return rightToLeft ? at.right() + 1 : width() - at.x();
  };
  for (Style style : {Style::Title, Style::Heading, Style::Body}) {
    double points = designPoints(style);
    auto allFit = [&] {
      for (int i = 0; i < kPieces; ++i) {
        const QRect at = place(i);
        if (styleOf(i) == style && neededWidth(i, styleFont(style, points)) > room(at)) {
          return false;
        }
      }
      return true;
    };
    while (points > 6 && !allFit()) {
      points -= 0.25;
    }
    for (int i = 0; i < kPieces; ++i) {
      if (styleOf(i) != style) {
        continue;
      }
      const QFont font = styleFont(style, points);
      const QRect at = place(i);
      const int boxWidth = std::max(at.width(), neededWidth(i, font));
      const int boxHeight = std::max(at.height(), QFontMetrics(font).height() + 2);
      auto* box = findChild<QLineEdit*>(QStringLiteral("Text2_%1").arg(i));
      box->setFont(font);
      box->setGeometry(rightToLeft ? at.right() + 1 - boxWidth : at.x(), at.y(), boxWidth,
                       boxHeight);
    }
  }
}

}  // namespace qorza

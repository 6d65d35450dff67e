// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/splash_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <algorithm>

#include "ui/game_style.h"
#include "ui/language.h"
#include "ui/twips.h"

namespace qorza {

namespace {

struct Caption {
  int index;
  const char* text;
  QRect at;  // twips
  QColor colour;
  const char* family;
  double points;
  bool bold;
};

// At start the hand-off waits for the first paint, at most this long.
constexpr int kLatestHandOffMs = 1000;

const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kCyan(0, 255, 255);
const QColor kWhite(255, 255, 255);

// The title, the year and the credits: the right block names the project,
// the left its makers; the small lines say what kind of program it is.
const Caption kCaptions[] = {
    {1,
     QT_TRANSLATE_NOOP("qorza::SplashWindow", "لعبة Qorza"),
     {2475, 135, 1530, 615},
     kGreen,
     "Times New Roman",
     21.75,
     true},
    {2,
     QT_TRANSLATE_NOOP("qorza::SplashWindow", "إنتاج سنة   1999"),
     {2565, 720, 1380, 240},
     kYellow,
     "System",
     9.75,
     true},
    {0,
     QT_TRANSLATE_NOOP("qorza::SplashWindow", "برمجة وَ تقديم"),
     {2835, 4320, 1215, 270},
     kRed,
     "MS Serif",
     13.5,
     false},
    {3,
     QT_TRANSLATE_NOOP("qorza::SplashWindow", "تصميم"),
     {990, 4365, 1500, 480},
     kYellow,
     "MS Serif",
     24,
     false},
    {4,
     QT_TRANSLATE_NOOP("qorza::SplashWindow", "تطوير"),
     {4590, 4365, 1500, 480},
     kYellow,
     "MS Serif",
     24,
     false},
    {5, "&", {3060, 4770, 435, 525}, kRed, "MS Serif", 24, false},
    {6,
     QT_TRANSLATE_NOOP("qorza::SplashWindow", "فريق Qorza"),
     {495, 4860, 2400, 420},
     kCyan,
     "MS Serif",
     18,
     false},
    {7,
     QT_TRANSLATE_NOOP("qorza::SplashWindow", "مشروع Qorza"),
     {3870, 4860, 2400, 420},
     kCyan,
     "MS Serif",
     18,
     false},
    {8,
     QT_TRANSLATE_NOOP("qorza::SplashWindow", "برنامج حر"),
     {1215, 5310, 1500, 210},
     kWhite,
     "MS Serif",
     8.25,
     false},
    {9,
     QT_TRANSLATE_NOOP("qorza::SplashWindow", "رخصة GPL"),
     {4605, 5310, 1500, 210},
     kWhite,
     "MS Serif",
     8.25,
     false},
    {10,
     QT_TRANSLATE_NOOP("qorza::SplashWindow", "الإصدار 1.0"),
     {2880, 5280, 900, 210},
     kWhite,
     "MS Serif",
     8.25,
     false},
};

// A design family that is not installed is asked for by the fonts that
// stand in for it: the font database then never searches for the missing
// name nor works out fallbacks for it (most of the splash's start-up cost).
// Each family is looked up once, by name among the installed families: asking
// the font configuration what the name stands for would cost more than the
// splash's fonts themselves.
bool isInstalled(const QString& family) {
  static const QStringList installed = QFontDatabase::families();
  return installed.contains(family, Qt::CaseInsensitive);
}

QStringList familiesFor(const QString& design) {
  static QHash<QString, QStringList> known;
  auto found = known.constFind(design);
  if (found == known.constEnd()) {
    const QStringList standIns = QFont::substitutes(design);
    found = known.insert(
        design, standIns.isEmpty() || isInstalled(design) ? QStringList{design} : standIns);
  }
  return found.value();
}

QFont captionFont(const Caption& c) {
  QFont font;
  font.setFamilies(familiesFor(QString::fromLatin1(c.family)));
  font.setPointSizeF(c.points);
  font.setBold(c.bold);
  return font;
}

QPixmap backdrop() {
  const qreal ratio = qGuiApp->devicePixelRatio();
  QPixmap pixmap(QSize(439, 347) * ratio);
  QSvgRenderer renderer(QStringLiteral(":/splash/backdrop.svg"));
  QPainter painter(&pixmap);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

}  // namespace

SplashWindow::SplashWindow(std::function<void()> handOff, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), handOff_(std::move(handOff)) {
  setObjectName(QStringLiteral("frm_Welcome"));
  setWindowTitle(QStringLiteral("<<<Welcome>>>"));
  setLayoutDirection(textDirection());
  setFixedSize(dialogRect(0, 0, 6570, 5640).size());
  const QPalette blue = windowPalette(QColor(0, 0, 255), Qt::white);
  setPalette(blue);
  setAutoFillBackground(true);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Picture"));
  picture->setGeometry(0, 0, std::min(439, width()), 347);  // the window is a pixel narrower
  picture->setPixmap(backdrop());

  // Thin bars along the top, left and right edges.
  const QRect bars[] = {
      {0, 0, width(), 2}, {0, 0, 2, height()}, {width() - 2, 0, 2, height()}, {0, 4, width(), 1}};
  for (int i = 0; i < 4; ++i) {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Shape1_%1").arg(i));
    bar->setGeometry(bars[i]);
    bar->setPalette(blue);
    bar->setAutoFillBackground(true);
  }
  buildLabels();

  Timer1_.setInterval(1);
  connect(&Timer1_, &QTimer::timeout, this, &SplashWindow::onTick);
}

// Each label at its place; one that its font would clip grows about its
// centre, so the centred title and credits stay centred. Arabic faces keep
// much room above and below their letters: a label grows to the height of
// its ink, not of the font's line.
void SplashWindow::buildLabels() {
  for (const Caption& c : kCaptions) {
    auto* label = new QLabel(tr(c.text), this);
    label->setObjectName(QStringLiteral("Label1_%1").arg(c.index));
    const QFont font = captionFont(c);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, c.colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);

    QRect r = dialogRect(c.at.x(), c.at.y(), c.at.width(), c.at.height());
    const QFontMetrics metrics(font);
    const QSize hint(metrics.horizontalAdvance(label->text()) + 4,
                     metrics.tightBoundingRect(label->text()).height() + 2);
    if (hint.width() > r.width()) {
      r.adjust(-(hint.width() - r.width()) / 2, 0, (hint.width() - r.width() + 1) / 2, 0);
    }
    if (hint.height() > r.height()) {
      r.adjust(0, -(hint.height() - r.height()) / 2, 0, (hint.height() - r.height() + 1) / 2);
    }
    label->setGeometry(r);
  }
}

void SplashWindow::centreOnScreen() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void SplashWindow::showAtStart() {
  centreOnScreen();
  tickAfterPaint_ = true;
  show();
  // A splash that is never painted (not mapped by the desktop) still hands
  // over.
  QTimer::singleShot(kLatestHandOffMs, this, [this] { startTicking(); });
}

void SplashWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  startTicking();
}

void SplashWindow::startTicking() {
  if (tickAfterPaint_) {
    tickAfterPaint_ = false;
    Timer1_.start();
  }
}

void SplashWindow::showAbout() {
  setWindowModality(Qt::ApplicationModal);
  centreOnScreen();
  QEventLoop loop;
  aboutLoop_ = &loop;
  show();
  Timer1_.start();
  // Events keep running meanwhile: the program repaints, and the modal box
  // keeps every click and key from the other windows.
  loop.exec();
  aboutLoop_ = nullptr;
  close();
  setWindowModality(Qt::NonModal);
}

void SplashWindow::onTick() {
  Timer1_.stop();
  if (aboutLoop_ != nullptr) {
    QTimer::singleShot(aboutDelayMs_, Qt::PreciseTimer, aboutLoop_, &QEventLoop::quit);
    return;
  }
  if (!WelcomeShown_) {
    WelcomeShown_ = true;
    if (handOff_) {
      handOff_();
    }
  }
}

void SplashWindow::closeEvent(QCloseEvent* event) {
  if (aboutLoop_ != nullptr) {
    event->ignore();  // the About box closes itself, on time
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace qorza

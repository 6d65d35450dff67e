#include "ui/table_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>

#include "game/game_state.h"
#include "ui/fonts.h"

namespace qorza {

namespace {

const QColor kTableGreen(0, 128, 0);
const QColor kLabelColour(255, 255, 255);
const QColor kNameColour(255, 255, 0);
const QColor kHintColour(255, 255, 0);

constexpr double kCardW = 1065;
constexpr double kCardH = 1455;
constexpr double kSmallW = 570;
constexpr double kSmallH = 825;
constexpr double kBoxW = 1095;
constexpr double kBoxH = 285;
constexpr double kLabelH = 255;
constexpr double kNameW = 1305;
constexpr double kNameH = 180;
constexpr double kHintW = 150;
constexpr double kHintH = 195;
constexpr double kQorzaLabelW = 480;
constexpr double kQorzaLabelH = 195;
constexpr double kLabelPoints = 8.25;
constexpr double kNamePoints = 8.25;

struct Place {
  double left;
  double top;
};

// The table: slots 1 to 4 in the centre, the rest spreading outward.
constexpr std::array<Place, 10> kTableSlots = {{{4890, 1845},
                                                {3810, 3315},
                                                {3810, 1845},
                                                {4890, 3315},
                                                {5985, 1845},
                                                {2715, 3315},
                                                {2715, 1845},
                                                {5985, 3315},
                                                {1620, 1845},
                                                {7080, 3315}}};

constexpr std::array<double, 6> kHand1Left = {4680, 4425, 4185, 3930, 4935, 3675};
constexpr std::array<double, 6> kHand2Left = {4680, 4455, 4185, 3930, 4950, 3675};
constexpr std::array<double, 6> kHintLeft = {4806, 4527, 4248, 3969, 5085, 3690};
constexpr double kHand1Top = 5145;
constexpr double kHand2Top = 60;
constexpr double kHintTop = 4950;

constexpr std::array<double, 10> kPoints1Left = {1080, 1305, 1530, 1755, 1980,
                                                 2205, 2430, 2775, 2880, 3105};
constexpr double kPoints2FirstLeft = 1035;
constexpr double kPoints2Step = 225;
constexpr std::array<double, 6> kQorzaLeft = {6075, 6645, 7215, 7770, 8340, 8910};
constexpr std::array<double, 6> kQorzaLabelLeft = {6105, 6675, 7245, 7815, 8385, 8955};
constexpr std::array<double, 3> kLabel3Left1 = {45, 1860, 7605};
constexpr std::array<double, 3> kLabel3Left2 = {45, 1815, 7605};

// Player 1's row of small pictures at the bottom, player 2's at the top.
constexpr double kStrip1Top = 5130;
constexpr double kStrip2Top = 315;

// The hand positions from the leftmost card to the rightmost: each card is
// drawn over the one to its left, so every card keeps its left edge shown.
std::array<int, 6> leftToRight(const std::array<double, 6>& lefts) {
  std::array<int, 6> order = {1, 2, 3, 4, 5, 6};
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    return lefts[static_cast<std::size_t>(a - 1)] < lefts[static_cast<std::size_t>(b - 1)];
  });
  return order;
}

double at(const std::array<double, 6>& a, int k) { return a[static_cast<std::size_t>(k - 1)]; }

}  // namespace

QRectF TwipsTransform::rect(double left, double top, double width, double height) const {
  return QRectF(offset.x() + left * scale, offset.y() + top * scale, width * scale, height * scale);
}

QPointF TwipsTransform::toTwips(QPointF pixels) const { return (pixels - offset) / scale; }

TwipsTransform TwipsTransform::fitting(QSizeF area) {
  TwipsTransform t;
  const double fit = std::min(area.width() / kTableTwipsWidth, area.height() / kTableTwipsHeight);
  t.scale = std::max(1.0 / kTwipsPerPixel, fit);
  t.offset = QPointF(std::max(0.0, (area.width() - kTableTwipsWidth * t.scale) / 2),
                     std::max(0.0, (area.height() - kTableTwipsHeight * t.scale) / 2));
  return t;
}

QRectF playerOneCardTwips(int k) { return QRectF(at(kHand1Left, k), kHand1Top, kCardW, kCardH); }

TableView::TableView(Game& game, QWidget* parent) : QWidget(parent), game_(game) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(minimumSizeHint());
}

QSize TableView::sizeHint() const { return minimumSizeHint(); }

QSize TableView::minimumSizeHint() const {
  return QSize(kTableTwipsWidth / kTwipsPerPixel, kTableTwipsHeight / kTwipsPerPixel);
}

void TableView::resizeEvent(QResizeEvent* event) {
  transform_ = TwipsTransform::fitting(QSizeF(size()));
  QWidget::resizeEvent(event);
}

QFont TableView::tableFont(double points, bool bold) const {
  QFont font = windowsFont("MS Sans Serif", points, bold);
  // Points at 96 dots per inch, grown with the table.
  font.setPixelSize(std::max(1, static_cast<int>(points * 96.0 / 72.0 * transform_.zoom())));
  return font;
}

void TableView::paintText(QPainter& p, const QRectF& r, const std::string& text, int flags) {
  p.drawText(r, flags | Qt::AlignAbsolute | Qt::TextDontClip, QString::fromStdString(text));
}

void TableView::paintTextBox(QPainter& p, const QRectF& r, const std::string& text) {
  // A read-only text box: white, sunken edge, the number in the middle.
  const double edge = std::max(1.0, transform_.zoom());
  p.fillRect(r, Qt::white);
  p.fillRect(QRectF(r.left(), r.top(), r.width(), edge), QColor(128, 128, 128));
  p.fillRect(QRectF(r.left(), r.top(), edge, r.height()), QColor(128, 128, 128));
  p.fillRect(QRectF(r.left(), r.bottom() - edge, r.width(), edge), QColor(212, 208, 200));
  p.fillRect(QRectF(r.right() - edge, r.top(), edge, r.height()), QColor(212, 208, 200));
  p.setPen(Qt::black);
  paintText(p, r, text, Qt::AlignCenter);
}

void TableView::paintCounters(QPainter& p) {
  p.setFont(tableFont(kLabelPoints));
  const auto box = [&](const TextBox& t, double left, double top) {
    if (t.Visible) {
      paintTextBox(p, transform_.rect(left, top, kBoxW, kBoxH), t.Text);
    }
  };
  box(game_.TXT_CARD(1), 45, 6165);
  box(game_.TXT_POINT(1), 1755, 6165);
  box(game_.txt_qorza(1), 7380, 6165);
  box(game_.TXT_CARD(2), 45, 1350);
  box(game_.TXT_POINT(2), 1710, 1350);
  box(game_.txt_qorza(2), 7380, 1350);
  box(game_.TXT_NAME, 240, 3240);
}

void TableView::paintLabels(QPainter& p) {
  p.setFont(tableFont(kLabelPoints));
  p.setPen(kLabelColour);
  const auto label = [&](const Label& l, double left, double top) {
    if (l.Visible) {
      paintText(p, transform_.rect(left, top, kBoxW, kLabelH), l.Caption,
                Qt::AlignLeft | Qt::AlignVCenter);
    }
  };
  for (int i = 0; i < 3; ++i) {
    label(game_.Label3(i), kLabel3Left1[static_cast<std::size_t>(i)], 4860);
    label(game_.Label3(i + 3), kLabel3Left2[static_cast<std::size_t>(i)], 45);
  }
  label(game_.Label3(6), 150, 2880);

  p.setFont(tableFont(kNamePoints, true));
  p.setPen(kNameColour);
  const auto name = [&](const Label& l, double left, double top) {
    if (l.Visible) {
      paintText(p, transform_.rect(left, top, kNameW, kNameH), l.Caption, Qt::AlignCenter);
    }
  };
  name(game_.lbl_n_player(1), 4185, 4770);
  name(game_.lbl_n_player(2), 4155, 1575);
}

void TableView::paintSmallPictures(QPainter& p) {
  const auto small = [&](const CardSlot& s, double left, double top) {
    if (s.Visible) {
      art_.draw(p, s.Picture, transform_.rect(left, top, kSmallW, kSmallH));
    }
  };
  small(game_.img_latch(1), 435, kStrip1Top);
  small(game_.img_latch(2), 390, kStrip2Top);
  for (int i = 1; i <= 10; ++i) {
    small(game_.img_card1(i), kPoints1Left[static_cast<std::size_t>(i - 1)], kStrip1Top);
    small(game_.img_card2(i), kPoints2FirstLeft + kPoints2Step * (i - 1), kStrip2Top);
  }
  for (int i = 1; i <= 6; ++i) {
    small(game_.img_qorza1(i), at(kQorzaLeft, i), kStrip1Top);
    small(game_.img_qorza2(i), at(kQorzaLeft, i), kStrip2Top);
  }
  p.setFont(tableFont(kLabelPoints, true));
  p.setPen(kNameColour);
  for (int i = 1; i <= 6; ++i) {
    const auto worth = [&](const Label& l, double top) {
      if (l.Visible) {
        paintText(p, transform_.rect(at(kQorzaLabelLeft, i), top, kQorzaLabelW, kQorzaLabelH),
                  l.Caption, Qt::AlignCenter);
      }
    };
    worth(game_.lbl_qorza1(i), 5970);
    worth(game_.lbl_qorza2(i), 1155);
  }
}

void TableView::paintTable(QPainter& p) {
  for (int i = 1; i <= 10; ++i) {
    const CardSlot& s = game_.game(i);
    if (s.Visible) {
      const Place& place = kTableSlots[static_cast<std::size_t>(i - 1)];
      art_.draw(p, s.Picture, transform_.rect(place.left, place.top, kCardW, kCardH));
    }
  }
}

void TableView::paintHands(QPainter& p) {
  for (int k : leftToRight(kHand2Left)) {
    const CardSlot& s = game_.Player2(k);
    if (s.Visible) {
      art_.draw(p, s.Picture, transform_.rect(at(kHand2Left, k), kHand2Top, kCardW, kCardH));
    }
  }
  for (int k : leftToRight(kHand1Left)) {
    const CardSlot& s = game_.Player1(k);
    if (s.Visible) {
      art_.draw(p, s.Picture, transform_.rect(at(kHand1Left, k), kHand1Top, kCardW, kCardH));
    }
  }
  p.setFont(tableFont(kLabelPoints, true));
  p.setPen(kHintColour);
  for (int k = 1; k <= 6; ++k) {
    const Label& hint = game_.Label1(k);
    if (hint.Visible) {
      paintText(p, transform_.rect(at(kHintLeft, k), kHintTop, kHintW, kHintH), hint.Caption,
                Qt::AlignCenter);
    }
  }
}

void TableView::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.fillRect(rect(), kTableGreen);
  p.setRenderHint(QPainter::TextAntialiasing);
  paintLabels(p);
  paintCounters(p);
  paintSmallPictures(p);
  paintTable(p);
  paintHands(p);
}

QRectF TableView::handCardRect(int k) {
  const QRectF twips = playerOneCardTwips(k);
  const QRectF slot = transform_.rect(twips.left(), twips.top(), twips.width(), twips.height());
  return art_.fittedRect(game_.Player1(k).Picture, slot);
}

int TableView::handPositionAt(QPointF pos) {
  const auto order = leftToRight(kHand1Left);
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const CardSlot& s = game_.Player1(*it);
    if (s.Visible && handCardRect(*it).contains(pos)) {
      return s.Enabled ? *it : 0;
    }
  }
  return 0;
}

void TableView::mousePressEvent(QMouseEvent* event) {
  pressedPosition_ = event->button() == Qt::LeftButton ? handPositionAt(event->position()) : 0;
  QWidget::mousePressEvent(event);
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
  const int pressed = pressedPosition_;
  pressedPosition_ = 0;
  if (event->button() == Qt::LeftButton && pressed != 0 &&
      handPositionAt(event->position()) == pressed) {
    emit handCardClicked(pressed);
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace qorza

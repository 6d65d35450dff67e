// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <array>

#include "game/game_state.h"
#include "ui/fonts.h"
#include "ui/hint_mark.h"
#include "ui/language.h"

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

// The counters in the order of their captions Label3(0..6).
constexpr std::array<Place, 7> kCounterPlaces = {
    {{45, 6165}, {1755, 6165}, {7380, 6165}, {45, 1350}, {1710, 1350}, {7380, 1350}, {240, 3240}}};

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

const TextBox& TableView::counterBox(int i) const {
  switch (i) {
    case 1:
      return game_.TXT_CARD(1);
    case 2:
      return game_.TXT_POINT(1);
    case 3:
      return game_.txt_qorza(1);
    case 4:
      return game_.TXT_CARD(2);
    case 5:
      return game_.TXT_POINT(2);
    case 6:
      return game_.txt_qorza(2);
    default:
      return game_.TXT_NAME;
  }
}

QRectF playerOneCardTwips(int k) { return QRectF(at(kHand1Left, k), kHand1Top, kCardW, kCardH); }

TableView::TableView(Game& game, QWidget* parent) : QWidget(parent), game_(game) {
  installTableAccessibility();
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(minimumSizeHint());
  setAccessibleName(tr("طاولة اللعب"));
}

TableView::~TableView() {
  for (const unsigned id : std::as_const(accessibleIds_)) {
    QAccessible::deleteAccessibleInterface(id);
  }
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
  QFont font = designFont("MS Sans Serif", points, bold);
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
  for (int i = 1; i <= 7; ++i) {
    const Place& place = kCounterPlaces[static_cast<std::size_t>(i - 1)];
    box(counterBox(i), place.left, place.top);
  }
}

void TableView::paintLabels(QPainter& p) {
  p.setFont(tableFont(kLabelPoints));
  p.setPen(kLabelColour);
  const auto label = [&](int index, double left, double top) {
    if (game_.Label3(index).Visible) {
      p.drawText(transform_.rect(left, top, kBoxW, kLabelH),
                 Qt::AlignLeft | Qt::AlignVCenter | Qt::AlignAbsolute | Qt::TextDontClip,
                 counterCaption(index));
    }
  };
  for (int i = 0; i < 3; ++i) {
    label(i, kLabel3Left1[static_cast<std::size_t>(i)], 4860);
    label(i + 3, kLabel3Left2[static_cast<std::size_t>(i)], 45);
  }
  label(6, 150, 2880);

  paintName(p, 1);
  paintName(p, 2);
}

QRectF TableView::nameRect(int player) const {
  return player == 1 ? transform_.rect(4185, 4770, kNameW, kNameH)
                     : transform_.rect(4155, 1575, kNameW, kNameH);
}

// The letters of the scripts a name is likely written in that reach
// highest and lowest: Alef with Hamza above and below, Lam, the deep tails,
// an accented capital and Latin descenders.
namespace {

const QString& nameReach() {
  static const QString reach = QStringLiteral("أإلجعيق Àgjpq");
  return reach;
}

}  // namespace

// The names' bold face, at the one size at which the tallest and deepest
// letters fit the label's height: both names are drawn alike whatever their
// letters, and player 1's, between the table's lower row and the key hints,
// touches neither.
QFont TableView::nameFont() const {
  QFont font = tableFont(kNamePoints, true);
  const double room = nameRect(1).height();
  while (font.pixelSize() > 6 &&
         QFontMetricsF(font).tightBoundingRect(nameReach()).height() > room) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  return font;
}

QString TableView::drawnName(int player) const {
  const QFontMetricsF fm(nameFont());
  return fm.elidedText(shownName(game_.lbl_n_player(player).Caption), Qt::ElideRight,
                       nameRect(player).width());
}

// A name centred in its label, on the baseline that centres the reach of
// every letter; a long one is elided, the whole name being in the tooltip
// and the accessible name.
void TableView::paintName(QPainter& p, int player) {
  if (!game_.lbl_n_player(player).Visible) {
    return;
  }
  const QRectF r = nameRect(player);
  const QFont font = nameFont();
  const QFontMetricsF fm(font);
  const QRectF ink = fm.tightBoundingRect(nameReach());
  const double baseline = r.center().y() - (ink.top() + ink.height() / 2);
  const QRectF line(r.left(), baseline - fm.ascent(), r.width(), fm.height());
  p.setFont(font);
  p.setPen(kNameColour);
  p.drawText(line, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, drawnName(player));
}

bool TableView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) {
    return QWidget::event(event);
  }
  const auto* help = static_cast<QHelpEvent*>(event);
  for (int player = 1; player <= 2; ++player) {
    if (game_.lbl_n_player(player).Visible && nameRect(player).contains(help->pos())) {
      QToolTip::showText(help->globalPos(), shownName(game_.lbl_n_player(player).Caption), this,
                         nameRect(player).toAlignedRect());
      return true;
    }
  }
  QToolTip::hideText();
  event->ignore();
  return true;
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
      p.drawText(transform_.rect(at(kHintLeft, k), kHintTop, kHintW, kHintH),
                 Qt::AlignCenter | Qt::AlignAbsolute | Qt::TextDontClip, shownHint(hint.Caption));
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
  paintHint(p);
  paintFocus(p);
}

void TableView::setHintedCard(int k) {
  hintedCard_ = k;
  update();
}

void TableView::paintHint(QPainter& p) {
  if (hintedCard_ == 0 || !game_.Player1(hintedCard_).Visible) {
    return;
  }
  // Only the part of the card that shows: cards to its right lie on it.
  QRectF shown = handCardRect(hintedCard_);
  for (int k = 1; k <= 6; ++k) {
    const QRectF other = handCardRect(k);
    if (k != hintedCard_ && game_.Player1(k).Visible && other.left() > shown.left()) {
      shown.setRight(std::min(shown.right(), other.left()));
    }
  }
  paintHintMark(p, shown, transform_.zoom());
}

void TableView::paintFocus(QPainter& p) {
  if (!hasFocus() || focusedCard_ == 0 || !game_.Player1(focusedCard_).Visible) {
    return;
  }
  const double width = std::max(2.0, 2.0 * transform_.zoom());
  p.setPen(QPen(kHintColour, width, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  // Outline only the part of the card that shows: cards to its right lie on it.
  QRectF shown = handCardRect(focusedCard_);
  for (int k = 1; k <= 6; ++k) {
    const QRectF other = handCardRect(k);
    if (k != focusedCard_ && game_.Player1(k).Visible && other.left() > shown.left()) {
      shown.setRight(std::min(shown.right(), other.left()));
    }
  }
  p.drawRect(shown.adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

bool TableView::handPositionEnabled(int k) const {
  return k >= 1 && k <= 6 && game_.Player1(k).Visible && game_.Player1(k).Enabled;
}

QList<int> TableView::handReadingOrder() const {
  QList<int> order;
  const auto leftFirst = leftToRight(kHand1Left);
  for (int k : leftFirst) {
    if (game_.Player1(k).Visible) order.append(k);
  }
  if (layoutDirection() == Qt::RightToLeft) {
    std::reverse(order.begin(), order.end());
  }
  return order;
}

void TableView::tableChanged() {
  update();
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
  }
}

void TableView::setFocusedCard(int k) {
  focusedCard_ = k;
  update();
  if (k != 0 && QAccessible::isActive()) {
    const int child = static_cast<int>(accessibleItems().indexOf(TableItem{TableItem::Hand1, k}));
    if (child >= 0) {
      QAccessibleEvent event(this, QAccessible::Focus);
      event.setChild(child);
      QAccessible::updateAccessibility(&event);
    }
  }
}

void TableView::moveCardFocus(int steps) {
  const QList<int> order = handReadingOrder();
  if (order.isEmpty()) {
    setFocusedCard(0);
    return;
  }
  const int n = static_cast<int>(order.size());
  const int at = static_cast<int>(order.indexOf(focusedCard_));
  const int next = at < 0 ? (steps > 0 ? 0 : n - 1) : ((at + steps) % n + n) % n;
  setFocusedCard(order[next]);
}

void TableView::activateCard(int k) {
  if (handPositionEnabled(k)) {
    emit handCardClicked(k);
  }
}

bool TableView::focusNextPrevChild(bool next) {
  if (handReadingOrder().isEmpty()) {
    return QWidget::focusNextPrevChild(next);
  }
  moveCardFocus(next ? 1 : -1);
  return true;
}

void TableView::keyPressEvent(QKeyEvent* event) {
  // The arrows move the way they point; in right-to-left reading the next
  // card is the one to the left.
  const int forward = layoutDirection() == Qt::RightToLeft ? 1 : -1;
  switch (event->key()) {
    case Qt::Key_Left:
      moveCardFocus(forward);
      break;
    case Qt::Key_Right:
      moveCardFocus(-forward);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      activateCard(focusedCard_);
      break;
    default:
      event->ignore();  // digits and the rest go to the window
      return;
  }
  event->accept();
}

void TableView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TableView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

QRectF TableView::itemRect(const TableItem& item) {
  const auto slot = [&](double left, double top, double w, double h) {
    return art_.fittedRect(itemSlot(item).Picture, transform_.rect(left, top, w, h));
  };
  const int i = item.index;
  switch (item.kind) {
    case TableItem::Hand1:
      return handCardRect(i);
    case TableItem::Hand2:
      return slot(at(kHand2Left, i), kHand2Top, kCardW, kCardH);
    case TableItem::Table: {
      const Place& place = kTableSlots[static_cast<std::size_t>(i - 1)];
      return slot(place.left, place.top, kCardW, kCardH);
    }
    case TableItem::Points1:
      return slot(kPoints1Left[static_cast<std::size_t>(i - 1)], kStrip1Top, kSmallW, kSmallH);
    case TableItem::Points2:
      return slot(kPoints2FirstLeft + kPoints2Step * (i - 1), kStrip2Top, kSmallW, kSmallH);
    case TableItem::Qorza1:
      return slot(at(kQorzaLeft, i), kStrip1Top, kSmallW, kSmallH);
    case TableItem::Qorza2:
      return slot(at(kQorzaLeft, i), kStrip2Top, kSmallW, kSmallH);
    case TableItem::Counter: {
      const Place& place = kCounterPlaces[static_cast<std::size_t>(i - 1)];
      return transform_.rect(place.left, place.top, kBoxW, kBoxH);
    }
    case TableItem::Name:
      return nameRect(i);
  }
  return {};
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

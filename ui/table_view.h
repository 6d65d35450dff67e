// SPDX-License-Identifier: GPL-3.0-or-later
// The green card table: every card slot, counter and label of the game drawn
// at its place on the table, and the clicks on player 1's hand. All
// positions are in twips and reach the screen through one transform.
#pragma once

#include <QHash>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QWidget>

#include "game/card_library.h"
#include "ui/card_art.h"
#include "ui/table_accessibility.h"
#include "ui/twips.h"

namespace qorza {

struct Game;
struct TextBox;

// Where player 1's hand card k (1..6) lies on the table, in twips.
QRectF playerOneCardTwips(int k);

class TableView : public QWidget {
  Q_OBJECT

 public:
  explicit TableView(Game& game, QWidget* parent = nullptr);
  ~TableView() override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  const TwipsTransform& transform() const { return transform_; }
  CardArt& art() { return art_; }

  // The drawn area of player 1's hand card k, in widget pixels.
  QRectF handCardRect(int k);
  // The hand position a click at pos plays: the topmost drawn card there,
  // when it is shown and enabled; 0 otherwise.
  int handPositionAt(QPointF pos);

  // The game changed what the table shows: repaint, and tell screen
  // readers that the cards and counters are different now.
  void tableChanged();

  // Keyboard focus among player 1's cards (Tab, arrows, Enter, Space): the
  // hand position that has it, 0 for none.
  int focusedCard() const { return focusedCard_; }
  void setFocusedCard(int k);
  // Plays hand position k when it is shown and enabled.
  void activateCard(int k);
  // Hand position k holds a card that may be played now.
  bool handPositionEnabled(int k) const;

  // What a screen reader finds on the table: every shown card slot and
  // counter, in reading order, with its Arabic name, value and place (the
  // place is here; the rest in table_accessibility.cpp).
  QList<TableItem> accessibleItems() const;
  QString itemName(const TableItem& item) const;
  QString itemValue(const TableItem& item) const;
  QString itemDescription(const TableItem& item) const;
  QRectF itemRect(const TableItem& item);
  unsigned itemId(const TableItem& item);  // accessibility id, made on first use

  // Player p's name as drawn: elided to its label's width.
  QString drawnName(int p) const;
  // The face both names are drawn in, whatever their letters.
  QFont nameFont() const;

  // The hand position the hint marks, 0 for none.
  int hintedCard() const { return hintedCard_; }
  void setHintedCard(int k);

 signals:
  void handCardClicked(int position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void paintCounters(QPainter& p);
  void paintLabels(QPainter& p);
  void paintSmallPictures(QPainter& p);
  void paintTable(QPainter& p);
  void paintHands(QPainter& p);
  void paintTextBox(QPainter& p, const QRectF& r, const std::string& text);
  void paintText(QPainter& p, const QRectF& r, const std::string& text, int flags);
  void paintName(QPainter& p, int player);
  QRectF nameRect(int player) const;
  QFont tableFont(double points, bool bold = false) const;
  void paintFocus(QPainter& p);
  void paintHint(QPainter& p);
  QList<int> handReadingOrder() const;
  void moveCardFocus(int steps);
  const CardSlot& itemSlot(const TableItem& item) const;
  // Counter i (1..7): cards, points and Qorzas of player 1, of player 2, then
  // the stock; its caption is Label3(i - 1).
  const TextBox& counterBox(int i) const;

  Game& game_;
  CardArt art_;
  TwipsTransform transform_;
  int pressedPosition_ = 0;
  int focusedCard_ = 0;
  int hintedCard_ = 0;
  QHash<int, unsigned> accessibleIds_;
};

}  // namespace qorza

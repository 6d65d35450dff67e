// The green card table: every card slot, counter and label of the game drawn
// at its place on the table, and the clicks on player 1's hand. All
// positions are in twips and reach the screen through one transform.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QWidget>

#include "ui/card_art.h"

namespace qorza {

struct Game;

// The table measures 9480 x 6435 twips: 632 x 429 pixels at 15 twips each.
inline constexpr int kTableTwipsWidth = 9480;
inline constexpr int kTableTwipsHeight = 6435;
inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels: a uniform scale and the place of the table's corner.
struct TwipsTransform {
  double scale = 1.0 / kTwipsPerPixel;  // pixels per twip
  QPointF offset;                       // where twips (0, 0) lands

  QRectF rect(double left, double top, double width, double height) const;
  QPointF toTwips(QPointF pixels) const;
  double pixels(double twips) const { return twips * scale; }
  // Scale relative to the table's given size (1 at 632 x 429 pixels).
  double zoom() const { return scale * kTwipsPerPixel; }

  // The table as large as fits area with its proportions kept, centred,
  // never smaller than its given size.
  static TwipsTransform fitting(QSizeF area);
};

// Where player 1's hand card k (1..6) lies on the table, in twips.
QRectF playerOneCardTwips(int k);

class TableView : public QWidget {
  Q_OBJECT

 public:
  explicit TableView(Game& game, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  const TwipsTransform& transform() const { return transform_; }
  CardArt& art() { return art_; }

  // The drawn area of player 1's hand card k, in widget pixels.
  QRectF handCardRect(int k);
  // The hand position a click at pos plays: the topmost drawn card there,
  // when it is shown and enabled; 0 otherwise.
  int handPositionAt(QPointF pos);

 signals:
  void handCardClicked(int position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void paintCounters(QPainter& p);
  void paintLabels(QPainter& p);
  void paintSmallPictures(QPainter& p);
  void paintTable(QPainter& p);
  void paintHands(QPainter& p);
  void paintTextBox(QPainter& p, const QRectF& r, const std::string& text);
  void paintText(QPainter& p, const QRectF& r, const std::string& text, int flags);
  QFont tableFont(double points, bool bold = false) const;

  Game& game_;
  CardArt art_;
  TwipsTransform transform_;
  int pressedPosition_ = 0;
};

}  // namespace qorza

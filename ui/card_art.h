// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the cards: faces and the deck's back from the card art,
// the eight back designs from their own files, rendered from SVG at the
// size they are shown and kept for the next paint.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>

#include "game/card_library.h"

class QPainter;
class QSvgRenderer;

namespace qorza {

// What a picture shows, in the player's language: "سبعة كبة" or "Seven of
// hearts"; "ورقة مقلوبة" or "A face-down card" for any back.
QString cardName(const Picture& picture);

class CardArt {
 public:
  CardArt();
  ~CardArt();
  CardArt(const CardArt&) = delete;
  CardArt& operator=(const CardArt&) = delete;

  // Draws a picture into slot, proportions kept and centred; an empty
  // picture draws nothing. Renders at the painter's device pixel ratio.
  void draw(QPainter& painter, const Picture& picture, const QRectF& slot);

  // The part of slot the picture covers once its proportions are kept.
  QRectF fittedRect(const Picture& picture, const QRectF& slot);

  // The picture rendered at size (device pixels), from the cache when it
  // has been rendered at that size before.
  QPixmap pixmap(const Picture& picture, QSize pixelSize);

  // Width over height of a picture; a card's when it is unknown.
  double aspect(const Picture& picture);

  // Renders done so far (the cache's misses), for tests and measurements.
  int renderCount() const { return renders_; }
  void clearCache() { cache_.clear(); }

 private:
  QSvgRenderer* deck();
  QSvgRenderer* backDesign(const QString& id);
  QPixmap render(const Picture& picture, QSize pixelSize);

  std::unique_ptr<QSvgRenderer> deck_;
  QHash<QString, std::shared_ptr<QSvgRenderer>> backs_;
  QHash<QString, QPixmap> cache_;
  int renders_ = 0;
};

}  // namespace qorza

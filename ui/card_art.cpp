// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/card_art.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cmath>

#include "ui/language.h"

namespace qorza {

namespace {

constexpr double kCardAspect = 1065.0 / 1455.0;
// Sizes one paint can ask for are few; a resize makes new ones.
constexpr int kCacheLimit = 600;

const QString kDeckResource = QStringLiteral(":/cards/anglo.svgz");

bool isBackDesign(const QString& id) { return id.startsWith(QLatin1String("back-")); }

// A plain back for a design whose file is not there.
void paintPlaceholderBack(QPainter& p, const QRectF& r) {
  const double radius = r.width() * 0.06;
  QPainterPath outline;
  outline.addRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  p.fillPath(outline, QColor(255, 255, 255));
  p.setPen(QPen(QColor(0, 0, 0), 1));
  p.drawPath(outline);
  const double inset = r.width() * 0.08;
  QPainterPath inner;
  inner.addRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius / 2, radius / 2);
  p.fillPath(inner, QColor(0, 64, 128));
}

}  // namespace

QString cardName(const Picture& picture) {
  static const char* const ranks[] = {
      QT_TRANSLATE_NOOP("Qorza", "آس"),    QT_TRANSLATE_NOOP("Qorza", "اثنان"),
      QT_TRANSLATE_NOOP("Qorza", "ثلاثة"), QT_TRANSLATE_NOOP("Qorza", "أربعة"),
      QT_TRANSLATE_NOOP("Qorza", "خمسة"),  QT_TRANSLATE_NOOP("Qorza", "ستة"),
      QT_TRANSLATE_NOOP("Qorza", "سبعة"),  QT_TRANSLATE_NOOP("Qorza", "ثمانية"),
      QT_TRANSLATE_NOOP("Qorza", "تسعة"),  QT_TRANSLATE_NOOP("Qorza", "عشرة"),
      QT_TRANSLATE_NOOP("Qorza", "شب"),    QT_TRANSLATE_NOOP("Qorza", "بنت"),
      QT_TRANSLATE_NOOP("Qorza", "شايب")};
  static const char* const suits[] = {
      QT_TRANSLATE_NOOP("Qorza", "بستوني"), QT_TRANSLATE_NOOP("Qorza", "ديناري"),
      QT_TRANSLATE_NOOP("Qorza", "كبة"), QT_TRANSLATE_NOOP("Qorza", "سباتي")};
  const std::optional<CardFace> face = faceOfPicture(picture);
  if (!face) {
    return gameWords(QT_TRANSLATE_NOOP("Qorza", "ورقة مقلوبة"));
  }
  //: A card's name: %1 its rank, %2 its suit.
  return gameWords(QT_TRANSLATE_NOOP("Qorza", "%1 %2"))
      .arg(gameWords(ranks[face->rank - 1]), gameWords(suits[static_cast<int>(face->suit) - 1]));
}

CardArt::CardArt() = default;
CardArt::~CardArt() = default;

QSvgRenderer* CardArt::deck() {
  if (!deck_) {
    deck_ = std::make_unique<QSvgRenderer>(kDeckResource);
  }
  return deck_->isValid() ? deck_.get() : nullptr;
}

QSvgRenderer* CardArt::backDesign(const QString& id) {
  auto found = backs_.find(id);
  if (found == backs_.end()) {
    const QString file = QStringLiteral(":/backs/%1.svg").arg(id);
    std::shared_ptr<QSvgRenderer> renderer;
    if (QFile::exists(file)) {
      renderer = std::make_shared<QSvgRenderer>(file);
    }
    found = backs_.insert(id, renderer);
  }
  const auto& renderer = found.value();
  return renderer && renderer->isValid() ? renderer.get() : nullptr;
}

double CardArt::aspect(const Picture& picture) {
  const QString id = QString::fromStdString(picture);
  QRectF bounds;
  if (isBackDesign(id)) {
    if (QSvgRenderer* r = backDesign(id)) {
      bounds = r->viewBoxF();
    }
  } else if (QSvgRenderer* r = deck(); r && r->elementExists(id)) {
    bounds = r->boundsOnElement(id);
  }
  if (bounds.width() <= 0 || bounds.height() <= 0) {
    return kCardAspect;
  }
  return bounds.width() / bounds.height();
}

QRectF CardArt::fittedRect(const Picture& picture, const QRectF& slot) {
  const double a = aspect(picture);
  QSizeF size(slot.width(), slot.width() / a);
  if (size.height() > slot.height()) {
    size = QSizeF(slot.height() * a, slot.height());
  }
  QRectF fitted(QPointF(), size);
  fitted.moveCenter(slot.center());
  return fitted;
}

QPixmap CardArt::render(const Picture& picture, QSize pixelSize) {
  ++renders_;
  QPixmap pm(pixelSize);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF target{QPointF(), QSizeF(pixelSize)};
  const QString id = QString::fromStdString(picture);
  if (isBackDesign(id)) {
    if (QSvgRenderer* r = backDesign(id)) {
      r->render(&p, target);
    } else {
      paintPlaceholderBack(p, target);
    }
  } else if (QSvgRenderer* r = deck(); r && r->elementExists(id)) {
    r->render(&p, id, target);
  } else {
    paintPlaceholderBack(p, target);
  }
  return pm;
}

QPixmap CardArt::pixmap(const Picture& picture, QSize pixelSize) {
  const QString key = QStringLiteral("%1@%2x%3")
                          .arg(QString::fromStdString(picture))
                          .arg(pixelSize.width())
                          .arg(pixelSize.height());
  if (auto found = cache_.constFind(key); found != cache_.constEnd()) {
    return found.value();
  }
  if (cache_.size() >= kCacheLimit) {
    cache_.clear();
  }
  QPixmap pm = render(picture, pixelSize);
  cache_.insert(key, pm);
  return pm;
}

void CardArt::draw(QPainter& painter, const Picture& picture, const QRectF& slot) {
  if (picture.empty()) {
    return;
  }
  const QRectF rect = fittedRect(picture, slot);
  const double dpr = painter.device()->devicePixelRatioF();
  const QSize pixels(std::max(1, static_cast<int>(std::lround(rect.width() * dpr))),
                     std::max(1, static_cast<int>(std::lround(rect.height() * dpr))));
  QPixmap pm = pixmap(picture, pixels);
  pm.setDevicePixelRatio(dpr);
  painter.drawPixmap(rect, pm, QRectF(pm.rect()));
}

}  // namespace qorza

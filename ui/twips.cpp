// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/twips.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <cmath>

namespace qorza {

namespace {

// The height the layout gives one line of text in a dialog.
constexpr int kLineTwips = 195;

// Letters that reach highest and lowest in Arabic, with brackets.
const QString kTallLine = QStringLiteral("(إلأجيـيـن ربع)");

}  // namespace

DialogTwips DialogTwips::forFont(const QFont& font) {
  // The ink and a clear pixel above and below it.
  const int ink = QFontMetrics(font).tightBoundingRect(kTallLine).height() + 2;
  const double needed = static_cast<double>(ink) * kTwipsPerPixel / kLineTwips;
  // In twentieths, so that a small change of font keeps the same sizes.
  return DialogTwips(std::max(1.0, std::ceil(needed * 20) / 20));
}

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

int DialogTwips::pixels(int twips) const {
  return static_cast<int>(std::lround(twips * factor_ / kTwipsPerPixel));
}

QRect DialogTwips::rect(int left, int top, int width, int height) const {
  const int x = pixels(left);
  const int y = pixels(top);
  return {x, y, pixels(left + width) - x, pixels(top + height) - y};
}

}  // namespace qorza

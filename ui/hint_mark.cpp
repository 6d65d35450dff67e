// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/hint_mark.h"

#include <QPainter>
#include <algorithm>

namespace qorza {

void paintHintMark(QPainter& p, const QRectF& shown, double zoom) {
  const QColor gold(255, 200, 0);
  const double width = std::max(3.0, 4.0 * zoom);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QColor wash = gold;
  wash.setAlpha(60);
  p.fillRect(shown, wash);
  p.setPen(QPen(gold, width));
  p.setBrush(Qt::NoBrush);
  p.drawRect(shown.adjusted(width / 2, width / 2, -width / 2, -width / 2));
  p.restore();
}

}  // namespace qorza

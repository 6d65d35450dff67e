// SPDX-License-Identifier: GPL-3.0-or-later
// How the table marks the card the hint names: a gold frame round the part
// of the card that shows, with a light gold wash over it.
#pragma once

#include <QRectF>

class QPainter;

namespace qorza {

// shown is the card's visible part in widget pixels; zoom the table's scale
// relative to its given size.
void paintHintMark(QPainter& p, const QRectF& shown, double zoom);

}  // namespace qorza

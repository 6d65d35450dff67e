// SPDX-License-Identifier: GPL-3.0-or-later
// How a deal's score came about, as the results window tells it on a row's
// tooltip and to a screen reader: per player the Qorza worth, the point
// cards, the bonus for the larger heap and the rounding of a half.
#pragma once

#include <QString>

namespace qorza {

struct DealBreakdown;
struct DealScorePart;

// One player's line: "name: Qorza 14 + النقاط 2 + ... = 19".
QString scorePartText(const QString& name, const DealScorePart& part);

// The deal's heading and both players' lines, one a line.
QString breakdownText(const DealBreakdown& breakdown, const QString& name1, const QString& name2);

}  // namespace qorza

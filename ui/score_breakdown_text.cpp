// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/score_breakdown_text.h"

#include "game/numbers.h"
#include "game/results_model.h"
#include "ui/language.h"

namespace qorza {

namespace {

QString number(double value) { return QString::fromStdString(numeral(value)); }

// " + 3" or " − 0.5": a signed term after the first.
QString term(double value) {
  return (value < 0 ? QStringLiteral(" − ") : QStringLiteral(" + ")) +
         number(value < 0 ? -value : value);
}

}  // namespace

QString scorePartText(const QString& name, const DealScorePart& part) {
  QString text = name + QStringLiteral(": Qorza ") + number(part.qorzaWorth) +
                 QStringLiteral(" + ") + gameWords(QT_TRANSLATE_NOOP("Qorza", "النقاط")) + u' ' +
                 number(part.cardPoints);
  if (part.cardBonus != 0) {
    text += term(part.cardBonus) + u' ' + gameWords(QT_TRANSLATE_NOOP("Qorza", "لأكثر الأوراق"));
  }
  if (part.rounding != 0) {
    text += term(part.rounding) + u' ' + gameWords(QT_TRANSLATE_NOOP("Qorza", "تقريب النصف"));
  }
  return text + QStringLiteral(" = ") + number(part.total());
}

QString breakdownText(const DealBreakdown& breakdown, const QString& name1, const QString& name2) {
  return gameWords(QT_TRANSLATE_NOOP("Qorza", "الجولة")) + u' ' + QString::number(breakdown.deal) +
         u'\n' + scorePartText(name1, breakdown.players[0]) + u'\n' +
         scorePartText(name2, breakdown.players[1]);
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/play_words.h"

#include <QCoreApplication>
#include <array>

#include "game/numbers.h"
#include "ui/card_art.h"
#include "ui/language.h"

namespace qorza {

namespace {

QString number(double value) { return QString::fromStdString(numeral(value)); }

// A rank's short sign: a letter for an Ace and the figures.
QString signWords(const char* arabic) {
  return QCoreApplication::translate("qorza::RankSigns", arabic);
}

QString rankSign(int rank) {
  switch (rank) {
    case 1:
      return signWords(QT_TRANSLATE_NOOP("qorza::RankSigns", "آس"));
    case 11:
      return signWords(QT_TRANSLATE_NOOP("qorza::RankSigns", "شب"));
    case 12:
      return signWords(QT_TRANSLATE_NOOP("qorza::RankSigns", "بنت"));
    case 13:
      return signWords(QT_TRANSLATE_NOOP("qorza::RankSigns", "شايب"));
    default:
      return QString::number(rank);
  }
}

QString suitSign(Suit suit) {
  static const std::array<QChar, 4> signs = {QChar(0x2660), QChar(0x2666), QChar(0x2665),
                                             QChar(0x2663)};
  return signs[static_cast<std::size_t>(suit) - 1];
}

// "took": the verb between the card and what it took.
QString tookWord() { return gameWords(QT_TRANSLATE_NOOP("Qorza", "أكل")); }
// The card stayed on the table.
QString stayedWords() { return gameWords(QT_TRANSLATE_NOOP("Qorza", "على الأرض")); }
// "and" before each further card taken.
QString andWord() { return gameWords(QT_TRANSLATE_NOOP("Qorza", " و")); }
QString qorzaWords(const QString& worth) {
  return gameWords(QT_TRANSLATE_NOOP("Qorza", "Qorza بقيمة %1")).arg(worth);
}
QString pointsWords(const QString& points) {
  return gameWords(QT_TRANSLATE_NOOP("Qorza", "نقاط +%1")).arg(points);
}
// The comma between the parts of a play.
QString commaWords() { return gameWords(QT_TRANSLATE_NOOP("Qorza", "، ")); }

}  // namespace

QString cardWords(const CardFace& face, CardWording wording) {
  if (wording == CardWording::Words) {
    return cardName(facePicture(face));
  }
  // Read in the direction of the text around it: the rank, then the sign.
  const QChar isolate = textDirection() == Qt::RightToLeft ? QChar(0x2067) : QChar(0x2066);
  return isolate + rankSign(face.rank) + suitSign(face.suit) + QChar(0x2069);
}

QString playWords(const PlayRecord& play, const QString& playerName, CardWording wording) {
  QString text = playerName + QStringLiteral(": ") + cardWords(play.played, wording);
  if (play.taken.empty()) {
    text += QLatin1Char(' ') + stayedWords();
  } else {
    text += QLatin1Char(' ') + tookWord() + QLatin1Char(' ');
    for (std::size_t i = 0; i < play.taken.size(); ++i) {
      if (i > 0) text += andWord();
      text += cardWords(play.taken[i], wording);
    }
  }
  if (play.qorzaWorth != 0) {
    text += commaWords() + qorzaWords(number(play.qorzaWorth));
  }
  if (play.points != 0) {
    text += commaWords() + pointsWords(number(play.points));
  }
  return text;
}

QString scoreWords(const QString& name1, double score1, const QString& name2, double score2,
                   double target) {
  return gameWords(QT_TRANSLATE_NOOP("Qorza", "%1 %2 : %3 %4 - الهدف %5"))
      .arg(name1, number(score1), number(score2), name2, number(target));
}

QString noPlayYetWords(const QString& playerName) {
  return gameWords(QT_TRANSLATE_NOOP("Qorza", "%1: لم يلعب بعد")).arg(playerName);
}

QString isolatedName(const QString& name) { return QChar(0x2068) + name + QChar(0x2069); }

QString inReadingDirection(const QString& line) {
  return (textDirection() == Qt::RightToLeft ? QChar(0x200F) : QChar(0x200E)) + line;
}

}  // namespace qorza

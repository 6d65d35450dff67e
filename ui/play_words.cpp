// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/play_words.h"

#include <array>

#include "game/numbers.h"
#include "ui/card_art.h"

namespace qorza {

namespace {

QString number(double value) { return QString::fromStdString(numeral(value)); }

QString rankSign(int rank) {
  switch (rank) {
    case 1:
      return QStringLiteral("آس");
    case 11:
      return QStringLiteral("شب");
    case 12:
      return QStringLiteral("بنت");
    case 13:
      return QStringLiteral("شايب");
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
QString tookWord() { return QStringLiteral("أكل"); }
// The card stayed on the table.
QString stayedWords() { return QStringLiteral("على الأرض"); }
// "and" before each further card taken.
QString andWord() { return QStringLiteral(" و"); }
QString qorzaWords(const QString& worth) { return QStringLiteral("Qorza بقيمة %1").arg(worth); }
QString pointsWords(const QString& points) { return QStringLiteral("نقاط +%1").arg(points); }

}  // namespace

QString cardWords(const CardFace& face, CardWording wording) {
  if (wording == CardWording::Words) {
    return cardName(facePicture(face));
  }
  // Read from the right like the text around it: the rank, then the sign.
  return QChar(0x2067) + rankSign(face.rank) + suitSign(face.suit) + QChar(0x2069);
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
    text += QStringLiteral("، ") + qorzaWords(number(play.qorzaWorth));
  }
  if (play.points != 0) {
    text += QStringLiteral("، ") + pointsWords(number(play.points));
  }
  return text;
}

QString scoreWords(const QString& name1, double score1, const QString& name2, double score2,
                   double target) {
  return QStringLiteral("%1 %2 : %3 %4 - الهدف %5")
      .arg(name1, number(score1), number(score2), name2, number(target));
}

QString noPlayYetWords(const QString& playerName) {
  return playerName + QStringLiteral(": لم يلعب بعد");
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/statistics_file.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "game/bounds.h"
#include "ui/app_files.h"

namespace qorza {

namespace {

struct Field {
  const char* name;
  int VariantStatistics::*member;
};

// The whole-number figures, in the order the text shows them.
constexpr Field kFields[] = {
    {"matchesPlayed", &VariantStatistics::matchesPlayed},
    {"matchesWon", &VariantStatistics::matchesWon},
    {"matchesLost", &VariantStatistics::matchesLost},
    {"dealsPlayed", &VariantStatistics::dealsPlayed},
    {"bestDealScore", &VariantStatistics::bestDealScore},
    {"qorzas", &VariantStatistics::qorzas},
    {"currentStreak", &VariantStatistics::currentStreak},
    {"longestStreak", &VariantStatistics::longestStreak},
    {"hintsUsed", &VariantStatistics::hintsUsed},
};

bool isWholeNumber(const QJsonValue& v) {
  return v.isDouble() && v.toDouble() == static_cast<double>(v.toInteger());
}

std::optional<VariantKey> keyFromJson(const QJsonObject& o) {
  const QStringList parts = o.value(QStringLiteral("variant")).toString().split(u'/');
  const QJsonValue level = o.value(QStringLiteral("level"));
  if (parts.size() != 2 || !isWholeNumber(level)) {
    return std::nullopt;
  }
  VariantKey key{parts[0].toInt(), parts[1].toInt(), level.toInt()};
  if (!key.isKnown()) {
    return std::nullopt;
  }
  return key;
}

// What play can count: wins and losses within the matches played, streaks
// within the wins, and deal scores of 0 or more whose best is at least
// their average.
bool canBe(const VariantStatistics& s) {
  const long long deals = s.dealsPlayed;
  const long long best = s.bestDealScore;
  const bool dealsAddUp = deals == 0 ? best == 0 && s.dealScoreTotal == 0
                                     : best <= s.dealScoreTotal && s.dealScoreTotal <= best * deals;
  return s.matchesWon + s.matchesLost <= s.matchesPlayed && s.currentStreak <= s.longestStreak &&
         s.longestStreak <= s.matchesWon && dealsAddUp;
}

std::optional<VariantStatistics> figuresFromJson(const QJsonObject& o) {
  VariantStatistics s;
  for (const Field& f : kFields) {
    const QJsonValue v = o.value(QLatin1String(f.name));
    if (!isWholeNumber(v) || !bounds::kStatisticsCount.holds(v.toInteger())) {
      return std::nullopt;
    }
    s.*f.member = v.toInt();
  }
  const QJsonValue total = o.value(QStringLiteral("dealScoreTotal"));
  if (!isWholeNumber(total) || total.toInteger() < 0 ||
      total.toInteger() > bounds::kMaxDealScoreTotal) {
    return std::nullopt;
  }
  s.dealScoreTotal = total.toInteger();
  // Files written before the game counted undos have none.
  const QJsonValue undos = o.value(QStringLiteral("undosUsed"));
  if (!undos.isUndefined() &&
      (!isWholeNumber(undos) || !bounds::kStatisticsCount.holds(undos.toInteger()))) {
    return std::nullopt;
  }
  s.undosUsed = undos.toInt();
  if (!canBe(s)) {
    return std::nullopt;
  }
  return s;
}

}  // namespace

QByteArray statisticsJson(const Statistics& statistics) {
  QJsonArray variants;
  for (const auto& [key, s] : statistics) {
    if (!key.isKnown()) {
      continue;  // never counted by play: not written, as it would not be read
    }
    QJsonObject o;
    o.insert(QStringLiteral("variant"), QString::fromStdString(key.variantName()));
    o.insert(QStringLiteral("level"), key.level);
    for (const Field& f : kFields) {
      o.insert(QLatin1String(f.name), s.*f.member);
    }
    o.insert(QStringLiteral("dealScoreTotal"), static_cast<qint64>(s.dealScoreTotal));
    o.insert(QStringLiteral("undosUsed"), s.undosUsed);
    o.insert(QStringLiteral("averageDealScore"), s.averageDealScore());
    variants.append(o);
  }
  QJsonObject root;
  root.insert(QStringLiteral("version"), kStatisticsVersion);
  root.insert(QStringLiteral("variants"), variants);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<Statistics> statisticsFromJson(const QByteArray& json, bool* entryDamaged) {
  if (entryDamaged != nullptr) {
    *entryDamaged = false;
  }
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject()) {
    return std::nullopt;
  }
  const QJsonObject root = doc.object();
  const QJsonValue version = root.value(QStringLiteral("version"));
  if (!isWholeNumber(version) || version.toInt() != kStatisticsVersion ||
      !root.value(QStringLiteral("variants")).isArray()) {
    return std::nullopt;
  }
  // Every entry that reads well is kept; a damaged one, or a second entry
  // of the same variant and level, is left out.
  Statistics statistics;
  for (const QJsonValue& entry : root.value(QStringLiteral("variants")).toArray()) {
    const auto key = keyFromJson(entry.toObject());
    const auto figures = figuresFromJson(entry.toObject());
    if (entry.isObject() && key && figures && statistics.emplace(*key, *figures).second) {
      continue;
    }
    if (entryDamaged != nullptr) {
      *entryDamaged = true;
    }
  }
  return statistics;
}

QString statisticsText(const Statistics& statistics) {
  if (statistics.empty()) {
    return QStringLiteral("No matches played yet.\n");
  }
  QString text;
  for (const auto& [key, s] : statistics) {
    text += QStringLiteral("Variant %1, level %2\n")
                .arg(QString::fromStdString(key.variantName()))
                .arg(key.level);
    text += QStringLiteral("  matches played %1, won %2, lost %3\n")
                .arg(s.matchesPlayed)
                .arg(s.matchesWon)
                .arg(s.matchesLost);
    text += QStringLiteral("  deals played %1, average deal score %2, best deal score %3\n")
                .arg(s.dealsPlayed)
                .arg(s.averageDealScore(), 0, 'f', 1)
                .arg(s.dealsPlayed == 0 ? QStringLiteral("-") : QString::number(s.bestDealScore));
    text += QStringLiteral("  Qorzas made %1, longest winning streak %2, hints used %3\n")
                .arg(s.qorzas)
                .arg(s.longestStreak)
                .arg(s.hintsUsed);
    text += QStringLiteral("  turns taken back %1\n").arg(s.undosUsed);
  }
  return text;
}

FileState loadStatistics(const QString& path, Statistics* statistics) {
  *statistics = {};
  if (!pathTaken(path)) {
    return FileState::Missing;
  }
  QByteArray data;
  std::optional<Statistics> read;
  bool entryDamaged = false;
  if (readWholeFile(path, &data)) {
    read = statisticsFromJson(data, &entryDamaged);
  }
  if (!read || entryDamaged) {
    moveAside(path);
    if (!read) {
      return FileState::Damaged;
    }
    // The entries kept are written back at once: the moved file is no
    // longer read.
    *statistics = *read;
    if (!statistics->empty()) {
      writeFileAtomically(path, statisticsJson(*statistics));
    }
    return FileState::PartlyRead;
  }
  *statistics = *read;
  return FileState::Read;
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics on disk (versioned JSON) and as the command line prints
// them: readable text or the same JSON.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "game/flow/statistics.h"

namespace qorza {

inline constexpr int kStatisticsVersion = 1;

QByteArray statisticsJson(const Statistics& statistics);
// Nothing for text that is not a complete statistics file of a known
// version. Otherwise every entry whose variant, level and figures play can
// reach; *entryDamaged tells whether any other entry was left out.
std::optional<Statistics> statisticsFromJson(const QByteArray& json, bool* entryDamaged = nullptr);

// One block per variant and level, in English for the terminal.
QString statisticsText(const Statistics& statistics);

// Result of reading a file the game keeps: PartlyRead when some of it was
// damaged and the rest kept.
enum class FileState { Missing, Read, Damaged, PartlyRead };

// Reads the statistics file. A damaged one is moved aside whole and gives
// the entries that read well (none when the file itself is damaged); the
// next save writes them back.
FileState loadStatistics(const QString& path, Statistics* statistics);

}  // namespace qorza

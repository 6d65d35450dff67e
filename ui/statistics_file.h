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
// version with figures of the right types.
std::optional<Statistics> statisticsFromJson(const QByteArray& json);

// One block per variant and level, in English for the terminal.
QString statisticsText(const Statistics& statistics);

// Result of reading a file the game keeps.
enum class FileState { Missing, Read, Damaged };

// Reads the statistics file; a damaged one is moved aside and gives empty
// statistics.
FileState loadStatistics(const QString& path, Statistics* statistics);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// What the game remembers of its player between runs: the settings, the
// statistics and the match in progress. It reads them at start, offers the
// saved match back, and writes after each turn, each OK and at exit. A
// damaged file never stops the game: it is moved aside and the player is
// told in one line; a disk that refuses writes is reported once.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

#include "game/flow/statistics.h"
#include "ui/settings_store.h"

class QWidget;

namespace qorza {

struct Game;

class GameMemory {
 public:
  explicit GameMemory(Game& game);

  // Reads the settings and the statistics; damaged ones are noted.
  void load();
  // The settings into the game (after the table window's load).
  void restoreSettings();
  const RememberedSettings& settings() const { return settings_; }

  // The lines the player should read once: files found damaged.
  QStringList takeNotices();

  bool hasSavedMatch() const;
  // Brings the saved match back into the game; false (the file moved aside
  // and a notice added) when it cannot be read.
  bool resumeSavedMatch();
  // The player chose a new match: the saved one is removed.
  void discardSavedMatch();

  // After a completed turn or command: the match in progress and the
  // statistics are written; a match with no turn played yet (a finished
  // match is followed at once by such a one) leaves no saved match.
  void saveProgress();
  // On each OK and at exit: the settings, with the table window's place.
  void saveSettings(const QByteArray& geometry);
  void saveStatistics();

  Statistics& statistics() { return statistics_; }
  StatisticsRecorder& recorder() { return recorder_; }
  void resetStatistics();

  // After a fault in the game's code the files stay as they are: nothing
  // is written or removed any more.
  void stopWriting() { stopped_ = true; }

  // Called once, with an Arabic line, the first time a write fails.
  std::function<void(const QString&)> onWriteFailure;

 private:
  void writeFailed();
  // Removes the saved match; one that cannot be removed is emptied, so
  // that it is not offered again, and the player is warned.
  void removeSavedMatch();

  Game& game_;
  RememberedSettings settings_;
  Statistics statistics_;
  StatisticsRecorder recorder_;
  QStringList notices_;
  bool matchSettled_ = false;  // the saved match was offered or there was none
  bool warned_ = false;
  bool stopped_ = false;
};

// The Arabic lines the player reads.
extern const char* const kSettingsDamagedNotice;
extern const char* const kStatisticsDamagedNotice;
extern const char* const kStatisticsPartlyDamagedNotice;
extern const char* const kMatchDamagedNotice;
extern const char* const kWriteFailedWarning;

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_memory.h"

#include <QFile>
#include <QFileInfo>

#include "game/game_state.h"
#include "game/saved_match.h"
#include "ui/app_files.h"
#include "ui/language.h"
#include "ui/statistics_file.h"

namespace qorza {

const char* const kSettingsDamagedNotice =
    QT_TRANSLATE_NOOP("Qorza", "تعذّرت قراءة الإعدادات المحفوظة، فبدأت اللعبة بالإعدادات الأصلية.");
const char* const kStatisticsDamagedNotice =
    QT_TRANSLATE_NOOP("Qorza", "تعذّرت قراءة الإحصاءات المحفوظة، فبدأت الإحصاءات من جديد.");
const char* const kStatisticsPartlyDamagedNotice =
    QT_TRANSLATE_NOOP("Qorza", "تعذّرت قراءة بعض الإحصاءات المحفوظة، فحُفظ ما سلم منها.");
const char* const kMatchDamagedNotice =
    QT_TRANSLATE_NOOP("Qorza", "تعذّرت قراءة المباراة المحفوظة، فتبدأ مباراة جديدة.");
const char* const kWriteFailedWarning =
    QT_TRANSLATE_NOOP("Qorza", "تعذّر الحفظ على القرص، ويستمر اللعب دون حفظ.");

GameMemory::GameMemory(Game& game) : game_(game), recorder_(statistics_) {}

void GameMemory::load() {
  if (loadSettings(&settings_) == FileState::Damaged) {
    notices_.append(QString::fromUtf8(kSettingsDamagedNotice));
  }
  const FileState statistics = loadStatistics(statisticsPath(), &statistics_);
  if (statistics == FileState::Damaged) {
    notices_.append(QString::fromUtf8(kStatisticsDamagedNotice));
  } else if (statistics == FileState::PartlyRead) {
    notices_.append(QString::fromUtf8(kStatisticsPartlyDamagedNotice));
  }
}

void GameMemory::restoreSettings() { applySettings(game_, settings_); }

QStringList GameMemory::takeNotices() {
  // Kept in the words they are written in, said in the language of the
  // moment they are shown.
  QStringList taken;
  for (const QString& notice : std::as_const(notices_)) {
    taken.append(gameWords(notice.toUtf8().constData()));
  }
  notices_.clear();
  return taken;
}

bool GameMemory::hasSavedMatch() const {
  // An emptied file is a match the player settled that could not be
  // removed: it is not offered again.
  const QString path = savedMatchPath();
  return pathTaken(path) && !(isPlainFile(path) && QFileInfo(path).size() == 0);
}

bool GameMemory::resumeSavedMatch() {
  matchSettled_ = true;
  QByteArray text;
  std::string error;
  if (readWholeFile(savedMatchPath(), &text) &&
      loadMatch(game_, std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                &error)) {
    recorder_.matchResumed(game_);
    return true;
  }
  moveAside(savedMatchPath());
  notices_.append(QString::fromUtf8(kMatchDamagedNotice));
  return false;
}

void GameMemory::discardSavedMatch() {
  matchSettled_ = true;
  removeSavedMatch();
}

void GameMemory::removeSavedMatch() {
  if (stopped_) {
    return;
  }
  const QString path = savedMatchPath();
  if (removeFile(path)) {
    return;
  }
  // A folder that refuses the removal still lets the file be emptied.
  if (isPlainFile(path)) {
    QFile::resize(path, 0);
  }
  writeFailed();
}

void GameMemory::saveProgress() {
  if (stopped_) {
    return;
  }
  saveStatistics();
  if (!matchSettled_ && hasSavedMatch()) {
    return;  // never touch a saved match the player has not been asked about
  }
  matchSettled_ = true;
  if (!game_.Activated || matchUnplayed(game_)) {
    if (pathTaken(savedMatchPath())) {
      removeSavedMatch();
    }
    return;
  }
  const std::string text = saveMatch(game_);
  if (!writeFileAtomically(savedMatchPath(), QByteArray::fromStdString(text))) {
    writeFailed();
  }
}

void GameMemory::saveSettings(const QByteArray& geometry) {
  if (stopped_) {
    return;
  }
  RememberedSettings now = settingsOf(game_);
  now.geometry = geometry.isEmpty() ? settings_.geometry : geometry;
  settings_ = now;
  if (!qorza::saveSettings(settings_)) {
    writeFailed();
  }
}

void GameMemory::saveStatistics() {
  if (stopped_ || (statistics_.empty() && !pathTaken(statisticsPath()))) {
    return;
  }
  if (!writeFileAtomically(statisticsPath(), statisticsJson(statistics_))) {
    writeFailed();
  }
}

void GameMemory::resetStatistics() {
  statistics_.clear();
  saveStatistics();
}

void GameMemory::writeFailed() {
  if (warned_) {
    return;
  }
  warned_ = true;
  if (onWriteFailure) {
    onWriteFailure(gameWords(kWriteFailedWarning));
  }
}

}  // namespace qorza

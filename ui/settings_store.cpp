// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>

#include "game/bounds.h"
#include "game/further_options.h"
#include "game/game_state.h"
#include "ui/app_files.h"

namespace qorza {

namespace {

// The file of the organisation and application "qorza" under the XDG config
// folder, looked up afresh each time (QSettings keeps the folder it saw
// first); on Linux the native format is an INI file.
std::unique_ptr<QSettings> openSettings() {
  return std::make_unique<QSettings>(settingsPath(), QSettings::NativeFormat);
}

// A whole number stored under key within [low, high]; missing keys keep
// their default.
bool readNumber(const QSettings& s, const char* key, Range range, int* out) {
  if (!s.contains(QLatin1String(key))) {
    return true;
  }
  bool ok = false;
  const int value = s.value(QLatin1String(key)).toString().toInt(&ok);
  if (!ok || !range.holds(value)) {
    return false;
  }
  *out = value;
  return true;
}

bool readFlag(const QSettings& s, const char* key, bool* out) {
  if (!s.contains(QLatin1String(key))) {
    return true;
  }
  const QString text = s.value(QLatin1String(key)).toString();
  if (text != QLatin1String("true") && text != QLatin1String("false")) {
    return false;
  }
  *out = text == QLatin1String("true");
  return true;
}

bool readText(const QSettings& s, const char* key, QString* out) {
  if (!s.contains(QLatin1String(key))) {
    return true;
  }
  const QVariant value = s.value(QLatin1String(key));
  if (value.typeId() != QMetaType::QString || value.toString().size() > bounds::kMaxNameLength) {
    return false;
  }
  *out = value.toString();
  return true;
}

bool isBack(const QString& back) {
  return back.isEmpty() || std::any_of(kBackIndexes.begin(), kBackIndexes.end(), [&](int i) {
           return back == QString::fromStdString(backPictureOf(i));
         });
}

bool isTarget(const QString& text) {
  return winningPointsOf(text.toStdU16String()).value_or(0) >= bounds::kWinningPoints.lo;
}

// A hand size some variant is dealt in.
bool isHandSize(int handSize) {
  return std::any_of(bounds::kVariants.begin(), bounds::kVariants.end(),
                     [&](const bounds::Variant& v) { return v.handSize == handSize; });
}

std::optional<RememberedSettings> readAll(const QSettings& s) {
  RememberedSettings r;
  int version = 0;
  if (!s.contains(QStringLiteral("version"))) {
    return std::nullopt;  // every file this game writes says its version
  }
  const bool ok = readNumber(s, "version", {1, kSettingsVersion}, &version) &&
                  readText(s, "names/player1", &r.player1Name) &&
                  readText(s, "names/player2", &r.player2Name) &&
                  readNumber(s, "game/level", bounds::kLevel, &r.level) &&
                  readNumber(s, "game/handSize", {1, 6}, &r.handSize) && isHandSize(r.handSize) &&
                  readNumber(s, "table/delayMs", bounds::kDelayMs, &r.delayMs) &&
                  readFlag(s, "table/sound", &r.soundOn) && readText(s, "table/back", &r.back) &&
                  isBack(r.back) && readText(s, "game/target", &r.target) && isTarget(r.target) &&
                  readText(s, "interface/language", &r.language) &&
                  (r.language.isEmpty() || languageOfCode(r.language));
  if (!ok) {
    return std::nullopt;
  }
  const QVariant geometry = s.value(QStringLiteral("window/geometry"));
  if (geometry.isValid() && geometry.typeId() != QMetaType::QByteArray) {
    return std::nullopt;
  }
  r.geometry = geometry.toByteArray();
  return r;
}

}  // namespace

QString settingsFilePath() { return settingsPath(); }

std::optional<Language> rememberedLanguage() {
  const QString path = settingsFilePath();
  if (!isPlainFile(path)) {
    return std::nullopt;
  }
  const QSettings s(path, QSettings::IniFormat);
  return languageOfCode(s.value(QStringLiteral("interface/language")).toString());
}

FileState loadSettings(RememberedSettings* settings) {
  *settings = {};
  const QString path = settingsFilePath();
  if (!pathTaken(path)) {
    return FileState::Missing;
  }
  // QSettings opens what it finds: a link, a pipe or a device is damaged
  // before it may follow or wait on it.
  std::optional<RememberedSettings> read;
  if (QByteArray bytes; isPlainFile(path) && readWholeFile(path, &bytes)) {
    const auto s = openSettings();
    if (s->status() == QSettings::NoError) {
      read = readAll(*s);
    }
  }
  if (!read) {
    moveAside(path);
    return FileState::Damaged;
  }
  *settings = *read;
  return FileState::Read;
}

namespace {

QList<std::pair<QString, QVariant>> settingsValues(const RememberedSettings& r) {
  return {
      {QStringLiteral("version"), kSettingsVersion},
      {QStringLiteral("names/player1"), r.player1Name},
      {QStringLiteral("names/player2"), r.player2Name},
      {QStringLiteral("game/level"), r.level},
      {QStringLiteral("game/handSize"), r.handSize},
      {QStringLiteral("game/target"), r.target},
      {QStringLiteral("table/delayMs"), r.delayMs},
      {QStringLiteral("table/sound"), r.soundOn},
      {QStringLiteral("table/back"), r.back},
      {QStringLiteral("window/geometry"), r.geometry},
      {QStringLiteral("interface/language"), r.language},
  };
}

}  // namespace

bool saveSettings(const RememberedSettings& r) {
  // QSettings writes its text into a private folder of its own; the text,
  // read back whole, goes into place through the game's checked writer, so
  // that a full disk or a link at the settings' place costs nothing.
  const QTemporaryDir scratch;
  if (!scratch.isValid()) {
    return false;
  }
  const QString draft = scratch.filePath(QStringLiteral("qorza.conf"));
  const auto values = settingsValues(r);
  {
    QSettings s(draft, QSettings::IniFormat);
    for (const auto& [key, value] : values) {
      s.setValue(key, value);
    }
    s.sync();
    if (s.status() != QSettings::NoError) {
      return false;
    }
  }
  const QSettings check(draft, QSettings::IniFormat);
  for (const auto& [key, value] : values) {
    if (check.value(key).toByteArray() != value.toByteArray()) {
      return false;
    }
  }
  QByteArray text;
  return readWholeFile(draft, &text) && writeFileAtomically(settingsFilePath(), text);
}

// A name as the settings keep it: cut to the longest they read, never
// between the two halves of a character.
QString nameToKeep(const std::string& name) {
  QString kept = QString::fromStdString(name);
  if (kept.size() > bounds::kMaxNameLength) {
    kept.truncate(bounds::kMaxNameLength);
    if (kept.back().isHighSurrogate()) {
      kept.chop(1);
    }
  }
  return kept;
}

// Only what readAll takes is written: a value the game holds outside the
// settings' ranges leaves the setting as it was.
RememberedSettings settingsOf(const Game& game) {
  RememberedSettings r;
  r.player1Name = nameToKeep(game.PlayerName(1));
  r.player2Name = nameToKeep(game.PlayerName(2));
  if (bounds::kLevel.holds(game.SkillLevel)) {
    r.level = game.SkillLevel;
  }
  if (isHandSize(game.HandSize)) {
    r.handSize = game.HandSize;
  }
  r.delayMs = std::clamp(game.DelayMs, bounds::kDelayMs.lo, bounds::kDelayMs.hi);
  r.soundOn = game.SoundOn;
  r.back = QString::fromStdString(game.chosenBack);
  if (!isBack(r.back)) {
    r.back.clear();
  }
  if (const auto language = chosenLanguage()) {
    r.language = codeOfLanguage(*language);
  }
  const QString target = QString::fromStdString(game.winningPointsText);
  if (isTarget(target)) {
    r.target = target;
  }
  return r;
}

void applySettings(Game& game, const RememberedSettings& r) {
  if (!r.player1Name.isEmpty()) {
    game.PlayerName(1) = r.player1Name.toStdString();
  }
  if (!r.player2Name.isEmpty()) {
    game.PlayerName(2) = r.player2Name.toStdString();
  }
  game.SkillLevel = r.level;
  game.HandSize = r.handSize;
  game.DelayMs = r.delayMs;
  game.SoundOn = r.soundOn;
  game.winningPointsText = std::to_string(*winningPointsOf(r.target.toStdU16String()));
  if (!r.back.isEmpty()) {
    game.chosenBack = r.back.toStdString();
  }
  if (!r.language.isEmpty()) {
    setChosenLanguage(languageOfCode(r.language));
  }
}

}  // namespace qorza

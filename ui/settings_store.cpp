// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
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
bool readNumber(const QSettings& s, const char* key, int low, int high, int* out) {
  if (!s.contains(QLatin1String(key))) {
    return true;
  }
  bool ok = false;
  const int value = s.value(QLatin1String(key)).toString().toInt(&ok);
  if (!ok || value < low || value > high) {
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
  if (value.typeId() != QMetaType::QString || value.toString().size() > 200) {
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
  return winningPointsOf(text.toStdU16String()).value_or(0) >= 1;
}

std::optional<RememberedSettings> readAll(const QSettings& s) {
  RememberedSettings r;
  int version = 0;
  if (!s.contains(QStringLiteral("version"))) {
    return std::nullopt;  // every file this game writes says its version
  }
  const bool ok = readNumber(s, "version", 1, kSettingsVersion, &version) &&
                  readText(s, "names/player1", &r.player1Name) &&
                  readText(s, "names/player2", &r.player2Name) &&
                  readNumber(s, "game/level", bounds::kLevel.lo, bounds::kLevel.hi, &r.level) &&
                  readNumber(s, "game/handSize", 4, 6, &r.handSize) && r.handSize != 5 &&
                  readNumber(s, "table/delayMs", 0, 3000, &r.delayMs) &&
                  readFlag(s, "table/sound", &r.soundOn) && readText(s, "table/back", &r.back) &&
                  isBack(r.back) && readText(s, "game/target", &r.target) && isTarget(r.target);
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

FileState loadSettings(RememberedSettings* settings) {
  *settings = {};
  const QString path = settingsFilePath();
  if (!QFileInfo::exists(path)) {
    return FileState::Missing;
  }
  std::optional<RememberedSettings> read;
  if (QFile file(path); file.open(QIODevice::ReadOnly)) {
    file.close();
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

bool saveSettings(const RememberedSettings& r) {
  const QString path = settingsFilePath();
  // A new file is created empty and private first: QSettings keeps the
  // permissions of the file it replaces.
  if (!QFileInfo::exists(path) && !writeFileAtomically(path, {})) {
    return false;
  }
  const auto s = openSettings();
  s->setValue(QStringLiteral("version"), kSettingsVersion);
  s->setValue(QStringLiteral("names/player1"), r.player1Name);
  s->setValue(QStringLiteral("names/player2"), r.player2Name);
  s->setValue(QStringLiteral("game/level"), r.level);
  s->setValue(QStringLiteral("game/handSize"), r.handSize);
  s->setValue(QStringLiteral("game/target"), r.target);
  s->setValue(QStringLiteral("table/delayMs"), r.delayMs);
  s->setValue(QStringLiteral("table/sound"), r.soundOn);
  s->setValue(QStringLiteral("table/back"), r.back);
  s->setValue(QStringLiteral("window/geometry"), r.geometry);
  s->sync();
  restrictToOwner(path);
  return s->status() == QSettings::NoError;
}

RememberedSettings settingsOf(const Game& game) {
  RememberedSettings r;
  r.player1Name = QString::fromStdString(game.PlayerName(1));
  r.player2Name = QString::fromStdString(game.PlayerName(2));
  r.level = game.SkillLevel;
  r.handSize = game.HandSize;
  r.delayMs = game.DelayMs;
  r.soundOn = game.SoundOn;
  r.back = QString::fromStdString(game.chosenBack);
  r.target = QString::fromStdString(game.winningPointsText);
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
}

}  // namespace qorza

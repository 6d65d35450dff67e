// SPDX-License-Identifier: GPL-3.0-or-later
// The settings the game remembers between runs (names, level, hand size,
// card back, speed, sound, winning points, the table window's place, the
// language), kept
// with QSettings in the XDG config folder ("qorza/qorza.conf").
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include "ui/language.h"
#include "ui/statistics_file.h"

namespace qorza {

struct Game;

inline constexpr int kSettingsVersion = 1;

struct RememberedSettings {
  QString player1Name;
  QString player2Name;
  int level = 2;
  int handSize = 6;
  int delayMs = 300;
  bool soundOn = true;
  QString back;  // the confirmed back ("back-1" .. "back-8"), empty for none
  QString target = QStringLiteral("101");
  QByteArray geometry;  // QWidget::saveGeometry of the table window
  QString language;     // "ar" or "en" as the player chose; empty for none
};

// The language the settings file remembers, read without touching a
// damaged file (it is looked at before the game holds its lock).
std::optional<Language> rememberedLanguage();

// The settings file's path.
QString settingsFilePath();

// Reads the settings; a damaged file (unreadable, not a settings file or
// without its version, values of the wrong type or range, a newer version)
// is moved aside and
// gives nothing. Missing settings give nothing too.
FileState loadSettings(RememberedSettings* settings);

// Writes the settings (file 0600, folder 0700); false when they could not
// be written.
bool saveSettings(const RememberedSettings& settings);

// What the game holds now, and the other way round.
RememberedSettings settingsOf(const Game& game);
void applySettings(Game& game, const RememberedSettings& settings);

}  // namespace qorza

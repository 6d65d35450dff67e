// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game keeps what it remembers (the settings under the XDG config
// folder, the statistics and the match in progress under the XDG data
// folder) and how it writes them: whole or not at all, readable by the
// player only. A damaged file is moved aside with the suffix ".bad".
#pragma once

#include <QByteArray>
#include <QString>

namespace qorza {

// The folder of the statistics and the saved match ("…/qorza").
QString dataFolder();
QString statisticsPath();
QString savedMatchPath();
// The settings file QSettings uses.
QString settingsPath();

// Writes data to path through a temporary file renamed into place; the file
// is 0600 and a folder it creates 0700. False (with a reason) on failure.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

// Reads the whole file; false when it cannot be opened or read.
bool readWholeFile(const QString& path, QByteArray* data);

// Renames path to path + ".bad", replacing an older one; removes it when
// even that fails, so that the next start is clean.
void moveAside(const QString& path);

// Makes the file (when it exists) readable by its owner only.
void restrictToOwner(const QString& path);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game keeps what it remembers (the settings under the XDG config
// folder, the statistics and the match in progress under the XDG data
// folder) and how it touches them: written whole or not at all, checked to
// the last byte, readable by the player only, never through a link; read
// only when they are plain files of a sensible size. A damaged file is moved
// aside with the suffix ".bad".
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
// The lock that keeps one game at a time on these folders.
QString lockPath();

// The game's files are a few kilobytes; anything larger is not one of them.
inline constexpr qint64 kLargestFile = 4 << 20;

// Creates folder (0700) and the folders above it when missing; true when
// it is there.
bool makeFolder(const QString& folder);

// True when something (a file, a link, even a dangling one, a folder) is
// at path.
bool pathTaken(const QString& path);

// True when path is a plain file (not a link, a pipe or a device) of at
// most kLargestFile bytes.
bool isPlainFile(const QString& path);

// Writes data to path through a temporary file renamed into place, only
// once every byte is written and flushed to the disk; the file is 0600 and a
// folder it creates 0700. A link at path is replaced, never written
// through. False (with a reason) on failure, the old file left whole.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

// Reads the whole file; false when it is not a plain file (a link, a pipe,
// a device, too large) or cannot be read. Never waits on a pipe.
bool readWholeFile(const QString& path, QByteArray* data);

// Renames path (a link itself, not what it points to) to path + ".bad",
// replacing an older copy; an empty file is simply removed, so that a good
// older copy is never replaced by nothing. Nothing is deleted when the
// rename fails.
void moveAside(const QString& path);

// Removes the file at path (a link itself); true when nothing is left there.
bool removeFile(const QString& path);

// Removes the temporary copies ("match.json.XXXXXX" and the like) that a
// write cut short by a kill leaves beside the game's files. Only while no
// other game runs on these folders.
void clearTemporaryCopies();

}  // namespace qorza

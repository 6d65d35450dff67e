// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

namespace qorza {

namespace {

constexpr QFileDevice::Permissions kOwnerFolder = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner | QFileDevice::ReadUser |
                                                  QFileDevice::WriteUser | QFileDevice::ExeUser;

QString errorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Writes all of data to fd; false with errno set when a write fails or
// stops short (a full disk among the reasons).
bool writeAll(int fd, const QByteArray& data) {
  qsizetype done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    done += n;
  }
  return true;
}

}  // namespace

QString dataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/qorza");
}

QString statisticsPath() { return dataFolder() + QStringLiteral("/statistics.json"); }
QString savedMatchPath() { return dataFolder() + QStringLiteral("/match.json"); }
QString lockPath() { return dataFolder() + QStringLiteral("/qorza.lock"); }

QString settingsPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/qorza/qorza.conf");
}

bool makeFolder(const QString& folder) {
  if (QFileInfo::exists(folder)) {
    return true;
  }
  const QFileInfo info(folder);
  return QDir().mkpath(info.absolutePath()) && QDir().mkdir(folder, kOwnerFolder);
}

bool pathTaken(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool isPlainFile(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
         st.st_size <= kLargestFile;
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error) {
  if (!makeFolder(QFileInfo(path).absolutePath())) {
    if (error) *error = QStringLiteral("cannot create the folder");
    return false;
  }
  QByteArray temporary = QFile::encodeName(path) + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);  // created 0600
  if (fd < 0) {
    if (error) *error = errorText(errno);
    return false;
  }
  // Every byte written and on the disk, and the file as long as the data,
  // before it may take the old file's place.
  bool ok = writeAll(fd, data) && ::fsync(fd) == 0;
  int failure = errno;
  struct stat st {};
  if (ok && (::fstat(fd, &st) != 0 || st.st_size != data.size())) {
    ok = false;
    failure = errno != 0 ? errno : EIO;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    failure = errno;
  }
  // rename replaces a link at path itself, never the file it points to.
  if (ok && ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
    ok = false;
    failure = errno;
  }
  if (!ok) {
    ::unlink(temporary.constData());
    if (error) *error = errorText(failure);
    return false;
  }
  return true;
}

bool readWholeFile(const QString& path, QByteArray* data) {
  // No link followed, no wait on a pipe with no writer.
  const int fd =
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kLargestFile;
  QByteArray read;
  char chunk[16384];
  while (ok) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    read.append(chunk, n);
    ok = read.size() <= kLargestFile;  // a file that grows while read
  }
  ::close(fd);
  if (ok) {
    *data = read;
  }
  return ok;
}

void moveAside(const QString& path) {
  const QByteArray from = QFile::encodeName(path);
  const QByteArray to = from + ".bad";
  struct stat st {};
  if (::lstat(from.constData(), &st) != 0) {
    return;
  }
  if (S_ISREG(st.st_mode) && st.st_size == 0) {
    ::unlink(from.constData());  // nothing to keep
    return;
  }
  if (::rename(from.constData(), to.constData()) == 0) {
    return;
  }
  // A folder in the copy's place, or a copy where a folder goes: clear it
  // and try once more.
  if (::unlink(to.constData()) == 0 || ::rmdir(to.constData()) == 0) {
    ::rename(from.constData(), to.constData());
  }
}

bool removeFile(const QString& path) {
  return ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT;
}

void clearTemporaryCopies() {
  static const QRegularExpression copy(
      QStringLiteral(R"(^(statistics\.json|match\.json|qorza\.conf)\.[A-Za-z0-9]{6}$)"));
  for (const QString& folder : {dataFolder(), QFileInfo(settingsPath()).absolutePath()}) {
    const QDir dir(folder);
    const auto names =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
      if (copy.match(name).hasMatch()) {
        removeFile(dir.filePath(name));
      }
    }
  }
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace qorza {

namespace {

constexpr QFileDevice::Permissions kOwnerFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kOwnerFolder = kOwnerFile | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                  QFileDevice::ExeUser;

bool makeFolder(const QString& folder) {
  if (QFileInfo::exists(folder)) {
    return true;
  }
  const QFileInfo info(folder);
  return QDir().mkpath(info.absolutePath()) && QDir().mkdir(folder, kOwnerFolder);
}

}  // namespace

QString dataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/qorza");
}

QString statisticsPath() { return dataFolder() + QStringLiteral("/statistics.json"); }
QString savedMatchPath() { return dataFolder() + QStringLiteral("/match.json"); }

QString settingsPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/qorza/qorza.conf");
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error) {
  if (!makeFolder(QFileInfo(path).absolutePath())) {
    if (error) *error = QStringLiteral("cannot create the folder");
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  file.setPermissions(kOwnerFile);
  if (file.write(data) != data.size() || !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

bool readWholeFile(const QString& path, QByteArray* data) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return false;
  }
  *data = file.readAll();
  return file.error() == QFileDevice::NoError;
}

void moveAside(const QString& path) {
  const QString bad = path + QStringLiteral(".bad");
  QFile::remove(bad);
  if (!QFile::rename(path, bad)) {
    QFile::remove(path);
  }
}

void restrictToOwner(const QString& path) {
  if (QFileInfo::exists(path)) {
    QFile::setPermissions(path, kOwnerFile);
  }
}

}  // namespace qorza

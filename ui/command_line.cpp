// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ui/app_files.h"
#include "ui/game_lock.h"
#include "ui/settings_store.h"
#include "ui/statistics_file.h"

namespace qorza {

namespace {

constexpr const char* kOwnOptions[] = {"-h",        "--help",  "-?",     "--help-all", "-v",
                                       "--version", "--stats", "--json", "--forget"};

QTextStream& out() {
  static QTextStream stream(stdout);
  return stream;
}

QTextStream& err() {
  static QTextStream stream(stderr);
  return stream;
}

int printStatistics(bool json) {
  Statistics statistics;
  const FileState state = loadStatistics(statisticsPath(), &statistics);
  if (state == FileState::Damaged) {
    err() << "The statistics file could not be read; it was moved to " << statisticsPath()
          << ".bad and the statistics start afresh.\n";
    err().flush();
  } else if (state == FileState::PartlyRead) {
    err() << "Some entries of the statistics file could not be read; it was moved to "
          << statisticsPath() << ".bad and the other entries kept.\n";
    err().flush();
  }
  out() << (json ? QString::fromUtf8(statisticsJson(statistics)) : statisticsText(statistics));
  out().flush();
  return 0;
}

// Deletes path when it exists and says so; false when it stays.
bool forgetFile(const QString& path, const QString& what) {
  if (!pathTaken(path)) {
    return true;
  }
  if (!removeFile(path)) {
    err() << "Could not delete " << what << ": " << path << "\n";
    return false;
  }
  out() << "Deleted " << what << ": " << path << "\n";
  return true;
}

int forgetEverything() {
  // Nothing is deleted under a running game, which would write it all again.
  GameLock lock;
  if (lock.take() == GameLock::State::HeldByAnother) {
    err() << "Qorza is running; close it before --forget. Nothing was deleted.\n";
    err().flush();
    return 1;
  }
  clearTemporaryCopies();
  const QString settings = settingsFilePath();
  const struct {
    QString path;
    QString what;
  } files[] = {
      {settings, QStringLiteral("the settings")},
      {settings + ".bad", QStringLiteral("the damaged settings")},
      {statisticsPath(), QStringLiteral("the statistics")},
      {statisticsPath() + ".bad", QStringLiteral("the damaged statistics")},
      {savedMatchPath(), QStringLiteral("the saved match")},
      {savedMatchPath() + ".bad", QStringLiteral("the damaged saved match")},
  };
  bool all = true;
  bool any = false;
  for (const auto& f : files) {
    any = any || pathTaken(f.path);
    all = forgetFile(f.path, f.what) && all;
  }
  // The game's own folders go too once they are empty.
  lock.release();
  QDir().rmdir(QFileInfo(settings).absolutePath());
  QDir().rmdir(dataFolder());
  if (!any) {
    out() << "Nothing to forget: no settings, statistics or saved match.\n";
  }
  out().flush();
  err().flush();
  return all ? 0 : 1;
}

}  // namespace

bool asksCommandLine(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    for (const char* own : kOwnOptions) {
      if (std::strcmp(argv[i], own) == 0) {
        return true;
      }
    }
  }
  return false;
}

std::optional<Language> languageAsked(const QStringList& arguments, bool* bad) {
  *bad = false;
  std::optional<Language> asked;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QString value;
    if (arguments[i] == QLatin1String("--lang") || arguments[i] == QLatin1String("-lang")) {
      if (i + 1 >= arguments.size()) {
        *bad = true;
        return std::nullopt;
      }
      value = arguments[++i];
    } else if (arguments[i].startsWith(QLatin1String("--lang="))) {
      value = arguments[i].mid(7);
    } else {
      continue;
    }
    asked = languageOfCode(value);
    if (!asked) {
      *bad = true;
      return std::nullopt;
    }
  }
  return asked;
}

int answerCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Qorza, a fishing card game against the computer, in Arabic or English."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption stats(QStringLiteral("stats"),
                                 QStringLiteral("Print the statistics of your matches."));
  const QCommandLineOption json(QStringLiteral("json"),
                                QStringLiteral("With --stats: print them as JSON."));
  const QCommandLineOption forget(
      QStringLiteral("forget"),
      QStringLiteral("Delete the settings, the statistics and the saved match."));
  const QCommandLineOption lang(QStringLiteral("lang"),
                                QStringLiteral("Play in English (en) or Arabic (ar, the default); "
                                               "the Help menu's choice is remembered."),
                                QStringLiteral("ar|en"));
  parser.addOptions({stats, json, forget, lang});
  if (!parser.parse(arguments)) {
    err() << parser.errorText() << "\n";
    err().flush();
    return 2;
  }
  if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
    parser.showHelp(0);
  }
  if (parser.isSet(QStringLiteral("version"))) {
    parser.showVersion();
  }
  if (parser.isSet(json) && !parser.isSet(stats)) {
    err() << "--json goes with --stats.\n";
    err().flush();
    return 2;
  }
  if (!parser.positionalArguments().isEmpty()) {
    err() << "Unexpected argument: " << parser.positionalArguments().first() << "\n";
    err().flush();
    return 2;
  }
  int status = 0;
  if (parser.isSet(stats)) {
    status = printStatistics(parser.isSet(json));
  }
  if (parser.isSet(forget)) {
    status = std::max(status, forgetEverything());
  }
  return status;
}

}  // namespace qorza

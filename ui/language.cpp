// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <memory>

#include "game/game_state.h"

namespace qorza {

namespace {

Language current = Language::Arabic;
std::optional<Language> chosen;
std::unique_ptr<QTranslator> qtTexts;
std::unique_ptr<QTranslator> gameTexts;

void dropTranslator(std::unique_ptr<QTranslator>& translator) {
  if (translator) {
    QCoreApplication::removeTranslator(translator.get());
    translator.reset();
  }
}

std::unique_ptr<QTranslator> loaded(const QString& name, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get())) {
    return nullptr;
  }
  return translator;
}

const std::array<const char*, 7> kCounterCaptions = {
    QT_TRANSLATE_NOOP("Qorza", "عدد الأوراق المأكولة"),
    QT_TRANSLATE_NOOP("Qorza", "... النقــاط ..."),
    QT_TRANSLATE_NOOP("Qorza", "... Qorza ..."),
    QT_TRANSLATE_NOOP("Qorza", "عدد الأوراق المأكولة"),
    QT_TRANSLATE_NOOP("Qorza", "... النقــاط ..."),
    QT_TRANSLATE_NOOP("Qorza", "... Qorza ..."),
    QT_TRANSLATE_NOOP("Qorza", "عدد الأوراق المتبقية"),
};

}  // namespace

std::optional<Language> languageOfCode(const QString& code) {
  if (code == QLatin1String("ar")) {
    return Language::Arabic;
  }
  if (code == QLatin1String("en")) {
    return Language::English;
  }
  return std::nullopt;
}

QString codeOfLanguage(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("ar");
}

void useLanguage(Language language) {
  dropTranslator(gameTexts);
  dropTranslator(qtTexts);
  current = language;
  const QString code = codeOfLanguage(language);
  qtTexts =
      loaded(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (language == Language::English) {
    // The texts are written in Arabic: only English needs the game's file.
    gameTexts = loaded(QStringLiteral("qorza_en"), QStringLiteral(":/i18n"));
  }
  QApplication::setLayoutDirection(textDirection());
}

Language currentLanguage() { return current; }

std::optional<Language> chosenLanguage() { return chosen; }

void setChosenLanguage(std::optional<Language> language) { chosen = language; }

Qt::LayoutDirection textDirection() {
  return current == Language::English ? Qt::LeftToRight : Qt::RightToLeft;
}

QString gameWords(const char* arabic) { return QCoreApplication::translate("Qorza", arabic); }

QString shownName(const std::string& name) {
  const std::string pc = "(PC)  ";
  if (name == kDefaultPlayer1Name) {
    return gameWords(QT_TRANSLATE_NOOP("Qorza", "اللاعب"));
  }
  if (name == kDefaultPlayer2Name) {
    return gameWords(QT_TRANSLATE_NOOP("Qorza", "الحاسوب"));
  }
  if (name == pc + kDefaultPlayer2Name) {
    return QString::fromStdString(pc) + gameWords(QT_TRANSLATE_NOOP("Qorza", "الحاسوب"));
  }
  return QString::fromStdString(name);
}

std::string typedName(const QString& text) {
  for (const char* name : {kDefaultPlayer1Name, kDefaultPlayer2Name}) {
    if (text == shownName(name)) {
      return name;
    }
  }
  return text.toStdString();
}

namespace {

// Digits 1 to 6 counted from the other end of the hand in English.
int readingDigit(int digit) { return current == Language::English ? 7 - digit : digit; }

}  // namespace

QString shownHint(const std::string& caption) {
  if (caption.size() == 1 && caption[0] >= '1' && caption[0] <= '6') {
    return QString::number(readingDigit(caption[0] - '0'));
  }
  return QString::fromStdString(caption);
}

int gameKeyCode(int keyCode) {
  for (const int zero : {48, 96}) {
    if (keyCode >= zero + 1 && keyCode <= zero + 6) {
      return zero + readingDigit(keyCode - zero);
    }
  }
  return keyCode;
}

QString counterCaption(int index) {
  return gameWords(kCounterCaptions.at(static_cast<std::size_t>(index)));
}

QString verdictText(Verdict verdict) {
  switch (verdict) {
    case Verdict::Player1Won:
      return gameWords(QT_TRANSLATE_NOOP("Qorza", "تهانينا لقد ربحت......."));
    case Verdict::Player2Won:
      return gameWords(QT_TRANSLATE_NOOP("Qorza", "لقد خسرت مع الأسف حاول مرة أخرى"));
    case Verdict::None:
      break;
  }
  return {};
}

}  // namespace qorza

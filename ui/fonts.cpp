// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/game_style.h"

namespace qorza {

namespace {

// One chain for every window: the Arabic face, then the Latin face drawn to
// match it (both from fonts-noto-core), so that a Latin word inside an
// Arabic line keeps its type; DejaVu only when neither is installed.
const QStringList kFamilies = {"Noto Sans Arabic", "Noto Sans", "DejaVu Sans"};

// The family names the windows are designed with.
const char* const kDesignFamilies[] = {"MS Sans Serif",
                                       "System",
                                       "Arial",
                                       "Tahoma",
                                       "MS Serif",
                                       "Times New Roman",
                                       "Simplified Arabic Backslanted",
                                       "Mudir MT"};

}  // namespace

QStringList arabicFontFamilies() { return kFamilies; }

void installFontSubstitutions() {
  for (const char* family : kDesignFamilies) {
    QFont::removeSubstitutions(QString::fromLatin1(family));
    QFont::insertSubstitutions(QString::fromLatin1(family), kFamilies);
  }
}

void configureApplication(QApplication& /*app*/, Language language) {
  useLanguage(language);
  installFontSubstitutions();
  installGameStyle();
  QApplication::setFont(designFont("MS Sans Serif", 8.25));
}

QFont designFont(const QString& family, double points, bool bold) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace qorza

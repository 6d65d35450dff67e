#include "ui/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qorza {

namespace {

// Families that read well in Arabic and are shipped by fonts-noto-core;
// DejaVu covers Latin and digits when a Noto face lacks them.
const QStringList kSansFamilies = {"Noto Sans Arabic", "Noto Naskh Arabic", "DejaVu Sans"};
const QStringList kSerifFamilies = {"Noto Naskh Arabic", "Noto Sans Arabic", "DejaVu Serif"};

}  // namespace

QStringList arabicFontFamilies() { return kSansFamilies; }

void installFontSubstitutions() {
  QFont::insertSubstitutions("MS Sans Serif", kSansFamilies);
  QFont::insertSubstitutions("System", kSansFamilies);
  QFont::insertSubstitutions("Arial", kSansFamilies);
  QFont::insertSubstitutions("Tahoma", kSansFamilies);
  QFont::insertSubstitutions("MS Serif", kSerifFamilies);
  QFont::insertSubstitutions("Times New Roman", kSerifFamilies);
  QFont::insertSubstitutions("Simplified Arabic Backslanted", kSerifFamilies);
  QFont::insertSubstitutions("Mudir MT", kSerifFamilies);
}

bool installArabicTranslator(QApplication& app) {
  auto* translator = new QTranslator(&app);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator->load(QLocale(QLocale::Arabic), "qtbase", "_", folder)) {
    delete translator;
    return false;
  }
  return QApplication::installTranslator(translator);
}

void configureApplication(QApplication& app) {
  QApplication::setLayoutDirection(Qt::RightToLeft);
  installArabicTranslator(app);
  installFontSubstitutions();
  QApplication::setFont(windowsFont("MS Sans Serif", 8.25));
}

QFont windowsFont(const QString& family, double points, bool bold) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace qorza

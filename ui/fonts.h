// Fonts and language of the windows: the Windows font names the windows ask
// for are mapped to Arabic-capable fonts, and Qt's own texts (Yes, No) speak
// Arabic; the whole application reads right to left.
#pragma once

#include <QFont>
#include <QString>

class QApplication;

namespace qorza {

// The one chain of fonts that stands in for every Windows name, best first.
QStringList arabicFontFamilies();

// Maps "MS Sans Serif", "MS Serif", "Times New Roman", "System", "Mudir MT",
// "Simplified Arabic Backslanted", "Arial" and "Tahoma" to installed fonts.
void installFontSubstitutions();

// Loads Qt's Arabic translation of its standard texts; false when missing.
bool installArabicTranslator(QApplication& app);

// Right to left, the Arabic translation, the fonts, the default font and the
// game's own style.
void configureApplication(QApplication& app);

// A font of the named Windows family at a size in points.
QFont windowsFont(const QString& family, double points, bool bold = false);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and language of the windows: the font names the windows' design asks
// for are mapped to Arabic-capable fonts, and Qt's own texts (Yes, No) speak
// Arabic; the whole application reads right to left.
#pragma once

#include <QFont>
#include <QString>

class QApplication;

namespace qorza {

// The one chain of fonts that stands in for every design font, best first.
QStringList arabicFontFamilies();

// Maps "MS Sans Serif", "MS Serif", "Times New Roman", "System", "Mudir MT",
// "Simplified Arabic Backslanted", "Arial" and "Tahoma" to installed fonts.
void installFontSubstitutions();

// Loads Qt's Arabic translation of its standard texts; false when missing.
bool installArabicTranslator(QApplication& app);

// Right to left, the Arabic translation, the fonts, the default font and the
// game's own style.
void configureApplication(QApplication& app);

// A font of the design's named family at a size in points.
QFont designFont(const QString& family, double points, bool bold = false);

}  // namespace qorza

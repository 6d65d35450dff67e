// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and language of the windows: the font names the windows' design asks
// for are mapped to Arabic-capable fonts; the language is set up with them.
#pragma once

#include <QFont>
#include <QString>

#include "ui/language.h"

class QApplication;

namespace qorza {

// The one chain of fonts that stands in for every design font, best first.
QStringList arabicFontFamilies();

// Maps "MS Sans Serif", "MS Serif", "Times New Roman", "System", "Mudir MT",
// "Simplified Arabic Backslanted", "Arial" and "Tahoma" to installed fonts.
void installFontSubstitutions();

// The language (Arabic right to left unless chosen), the fonts, the default
// font and the game's own style.
void configureApplication(QApplication& app, Language language = Language::Arabic);

// A font of the design's named family at a size in points.
QFont designFont(const QString& family, double points, bool bold = false);

}  // namespace qorza

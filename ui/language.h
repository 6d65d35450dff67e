// SPDX-License-Identifier: GPL-3.0-or-later
// The language the windows speak: Arabic, right to left, unless the player
// chose English (left to right). The game's texts are written in Arabic and
// translated with Qt Linguist; Qt's own texts (Yes, No) follow the choice.
#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <string>

#include "game/results_model.h"

namespace qorza {

enum class Language { Arabic, English };

// "ar" or "en"; nullopt for anything else.
std::optional<Language> languageOfCode(const QString& code);
QString codeOfLanguage(Language language);

// Installs the translations and the layout direction of language; a later
// call replaces them.
void useLanguage(Language language);
Language currentLanguage();

// The language the player chose (the menu, remembered in the settings);
// nullopt until one is. It takes effect at the next start.
std::optional<Language> chosenLanguage();
void setChosenLanguage(std::optional<Language> language);

// Right to left for Arabic, left to right for English.
Qt::LayoutDirection textDirection();

// The words of the game outside any window class, in the current language.
QString gameWords(const char* arabic);

// A player's name as shown: the default names (and the computer's "(PC)"
// caption of the default name) in the current language, any other as typed.
QString shownName(const std::string& name);

// The name to keep for what the player typed: a default name as shown in
// any language is kept as the default name.
std::string typedName(const QString& text);

// The key hints over the hand read in the text's direction: in Arabic the
// first card is the right one, key 1; in English the left one. A hint
// digit as the player sees it, and a digit key the player pressed as the
// game's own key (1 to 6 on the main row, 97.. on the keypad).
QString shownHint(const std::string& caption);
int gameKeyCode(int keyCode);

// The caption over counter Label3(index), index 0..6.
QString counterCaption(int index);

// The results window's verdict line ("" for none).
QString verdictText(Verdict verdict);

}  // namespace qorza

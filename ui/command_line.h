// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own command-line options, answered on the terminal without a
// window: --help, --version, --stats [--json] and --forget; and the
// language the windows speak (--lang).
#pragma once

#include <QStringList>
#include <optional>

#include "ui/language.h"

namespace qorza {

// True when the arguments ask for one of the game's own options, so that
// the program answers on the terminal and opens no window.
bool asksCommandLine(int argc, const char* const* argv);

// Answers the options in arguments (the program name first) on standard
// output and returns the exit status: 0 done, 1 a file could not be
// deleted or a game is running (--forget deletes nothing then), 2 unknown
// options.
int answerCommandLine(const QStringList& arguments);

// The language "--lang en", "--lang=ar" asks for (the last one given);
// nullopt without one. bad is set for a missing or unknown language.
std::optional<Language> languageAsked(const QStringList& arguments, bool* bad);

}  // namespace qorza

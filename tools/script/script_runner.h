// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted driver's language: one command a line, run against one game
// on a headless platform; each dump writes the state as one JSON line.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace qorza::script {

// Runs the script read from in, writing dumps to out and errors to err. The
// game's sound folder is soundFolder (it ends with the path separator).
// Returns the exit status: 0; 2 for a bad command or card; 1 when the game
// logic itself fails. Nothing after a failing line runs. Without
// fileCommands, save and load are refused (the fuzzer's scripts touch no
// file).
int runScript(std::istream& in, std::ostream& out, std::ostream& err,
              const std::string& soundFolder = "./", bool fileCommands = true);

// text as an error message shows it: control characters and bytes that are
// not UTF-8 written as \xNN, words cut short after 32 characters and the
// whole cut after about 320, so no input drives the terminal.
std::string shownText(std::string_view text);

}  // namespace qorza::script

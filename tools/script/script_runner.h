// The scripted driver's language: one command a line, run against one game
// on a headless platform; each dump writes the state as one JSON line.
#pragma once

#include <iosfwd>
#include <string>

namespace qorza::script {

// Runs the script read from in, writing dumps to out and errors to err. The
// game's sound folder is soundFolder (it ends with the path separator).
// Returns the exit status: 0; 2 for a bad command or card; 1 when the game
// logic itself fails. Nothing after a failing line runs.
int runScript(std::istream& in, std::ostream& out, std::ostream& err,
              const std::string& soundFolder = "./");

}  // namespace qorza::script

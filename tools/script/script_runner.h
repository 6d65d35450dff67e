// The scripted driver's language: one command a line, run against one game
// on a headless platform; each dump writes the state as one JSON line.
#pragma once

#include <iosfwd>
#include <string>

namespace qorza::script {

// Runs the script read from in, writing dumps to out and errors to err.
// Returns the exit status: 0, or 2 for a bad command or card.
int runScript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace qorza::script

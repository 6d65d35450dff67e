// SPDX-License-Identifier: GPL-3.0-or-later
// A dump laid out for people to read and diff: one key a line, nested
// objects indented, a list of plain values (cards, counters) on one line and
// a list of small records one record a line. qorza-play --pretty prints it,
// and the scripts' expected outputs hold it.
#pragma once

#include <string>

namespace qorza::script {

// One dump line laid out over several lines, ending with a newline. A line
// that is not JSON comes back as it was.
std::string prettyDump(const std::string& line);

}  // namespace qorza::script

// SPDX-License-Identifier: GPL-3.0-or-later
// The files of the script's save and load commands: written whole or not at
// all, readable by their owner only.
#pragma once

#include <string>

namespace qorza::script {

// Writes text to path through a temporary file in the same folder that is
// then renamed over it, so a reader sees the old file or the new one, never
// part of either. The file is created with owner-only permissions (0600).
// Throws ScriptError when the folder cannot take it.
void writeFileWhole(const std::string& path, const std::string& text);

// The whole content of the file at path; throws ScriptError when it cannot be
// read.
std::string readFileWhole(const std::string& path);

}  // namespace qorza::script

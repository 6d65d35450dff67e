// SPDX-License-Identifier: GPL-3.0-or-later
// qorza-play: plays a script of commands headless and prints the state;
// --pretty lays each dump out over several lines.
#include <clocale>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/script/pretty_dump.h"
#include "tools/script/script_runner.h"

namespace {

// The game reads its sounds from its own folder.
std::string executableFolder(const char* argv0) {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    self = std::filesystem::absolute(argv0, error);
  }
  return self.parent_path().string() + "/";
}

// Runs the script, its dumps laid out for reading when pretty.
int run(std::istream& script, bool pretty, const std::string& folder) {
  if (!pretty) {
    return qorza::script::runScript(script, std::cout, std::cerr, folder);
  }
  std::ostringstream dumps;
  const int status = qorza::script::runScript(script, dumps, std::cerr, folder);
  std::istringstream lines(dumps.str());
  for (std::string line; std::getline(lines, line);) {
    std::cout << qorza::script::prettyDump(line);
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  // The user's locale, as the game window adopts it: scripts run as games do.
  std::setlocale(LC_ALL, "");
  const bool pretty = argc > 1 && std::strcmp(argv[1], "--pretty") == 0;
  const int first = pretty ? 2 : 1;
  if (argc > first + 1) {
    std::cerr << "usage: qorza-play [--pretty] [SCRIPT]\n";
    return 2;
  }
  const std::string folder = executableFolder(argv[0]);
  if (argc == first + 1) {
    std::ifstream file(argv[first]);
    if (!file) {
      std::cerr << "qorza-play: cannot read " << argv[first] << "\n";
      return 2;
    }
    return run(file, pretty, folder);
  }
  return run(std::cin, pretty, folder);
}

// qorza-play: plays a script of commands headless and prints the state.
#include <clocale>
#include <filesystem>
#include <fstream>
#include <iostream>

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

}  // namespace

int main(int argc, char** argv) {
  // The user's locale, as the game window adopts it: scripts run as games do.
  std::setlocale(LC_ALL, "");
  if (argc > 2) {
    std::cerr << "usage: qorza-play [SCRIPT]\n";
    return 2;
  }
  const std::string folder = executableFolder(argv[0]);
  if (argc == 2) {
    std::ifstream file(argv[1]);
    if (!file) {
      std::cerr << "qorza-play: cannot read " << argv[1] << "\n";
      return 2;
    }
    return qorza::script::runScript(file, std::cout, std::cerr, folder);
  }
  return qorza::script::runScript(std::cin, std::cout, std::cerr, folder);
}

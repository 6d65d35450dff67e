// qorza-play: plays a script of commands headless and prints the state.
#include <fstream>
#include <iostream>

#include "tools/script/script_runner.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: qorza-play [SCRIPT]\n";
    return 2;
  }
  if (argc == 2) {
    std::ifstream file(argv[1]);
    if (!file) {
      std::cerr << "qorza-play: cannot read " << argv[1] << "\n";
      return 2;
    }
    return qorza::script::runScript(file, std::cout, std::cerr);
  }
  return qorza::script::runScript(std::cin, std::cout, std::cerr);
}

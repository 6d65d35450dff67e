// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a script. A run may end with status 0 or
// with status 2 naming its line; a logic fault (status 1), a sanitizer report
// or a hang is a finding. Its scripts may not save or load files.
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "tools/script/script_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  std::ostringstream err;
  const int status = qorza::script::runScript(in, out, err, "./", false);  // no file touched
  const bool namesLine = err.str().rfind("qorza-play: line ", 0) == 0;
  if (status == 1 || (status == 2 && !namesLine) || status > 2) {
    std::cerr << "status " << status << ": " << err.str();
    std::abort();
  }
  return 0;
}

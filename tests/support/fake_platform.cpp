// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_platform.h"

namespace qorza::testing {

std::vector<std::string> FakePlatform::soundFiles() const {
  std::vector<std::string> files;
  for (const auto& path : sounds) {
    const auto slash = path.find_last_of('/');
    files.push_back(slash == std::string::npos ? path : path.substr(slash + 1));
  }
  return files;
}

}  // namespace qorza::testing

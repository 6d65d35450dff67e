// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/match_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "tools/script/script_session.h"

namespace qorza::script {

namespace {

constexpr std::uintmax_t kLargestFile = 4 << 20;

[[noreturn]] void cannot(const std::string& what, const std::string& path, int error) {
  throw ScriptError("cannot " + what + " " + path + ": " + std::strerror(error));
}

// Writes all of text to the open file descriptor; false with errno set on a
// failure (a full disk among them).
bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return ::fsync(fd) == 0;
}

}  // namespace

void writeFileWhole(const std::string& path, const std::string& text) {
  std::vector<char> temporary(path.begin(), path.end());
  const std::string suffix = ".tmp-XXXXXX";
  temporary.insert(temporary.end(), suffix.begin(), suffix.end());
  temporary.push_back('\0');
  const int fd = ::mkstemp(temporary.data());  // created 0600
  if (fd < 0) {
    cannot("write", path, errno);
  }
  const bool written = writeAll(fd, text);
  const int writeError = errno;
  if (::close(fd) != 0 || !written) {
    const int error = written ? errno : writeError;
    ::unlink(temporary.data());
    cannot("write", path, error);
  }
  if (::rename(temporary.data(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.data());
    cannot("write", path, error);
  }
}

std::string readFileWhole(const std::string& path) {
  // Only a regular file of a sensible size: not a device that never ends.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    if (error) {
      cannot("read", path, error.value());
    }
    throw ScriptError("cannot read " + path + ": not a regular file");
  }
  if (std::filesystem::file_size(path, error) > kLargestFile) {
    throw ScriptError("cannot read " + path + ": larger than a saved match can be");
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    cannot("read", path, errno);
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) {
    cannot("read", path, errno);
  }
  return text.str();
}

}  // namespace qorza::script

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/script_runner.h"

#include <istream>
#include <ostream>

#include "tools/script/script_session.h"
#include "tools/script/state_check.h"

namespace qorza::script {

namespace {

constexpr std::size_t kLongestWord = 32;
constexpr std::size_t kLongestLine = 80;

// A byte as \xNN.
std::string hexEscape(unsigned char c) {
  static constexpr char digits[] = "0123456789abcdef";
  return std::string("\\x") + digits[c >> 4] + digits[c & 15];
}

// The length of the UTF-8 character at text[i] when it is one the terminal
// shows as it is (no C1 control), else 0.
std::size_t printableUtf8At(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
  if (length == 0 || i + length > text.size() || !isUtf8(text.substr(i, length))) {
    return 0;
  }
  const bool c1Control = c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
  return c1Control ? 0 : length;
}

}  // namespace

std::string shownText(std::string_view text) {
  std::string shown;
  std::size_t wordLength = 0;
  for (std::size_t i = 0; i < text.size() && shown.size() < 4 * kLongestLine;) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80 ? 1 : printableUtf8At(text, i);
    const bool blank = c == ' ';
    wordLength = blank ? 0 : wordLength + 1;
    if (wordLength > kLongestWord) {
      if (wordLength == kLongestWord + 1) shown += "...";
    } else if (c < 0x20 || c == 0x7F || length == 0) {
      shown += hexEscape(c);
    } else {
      shown.append(text.substr(i, length));
    }
    i += length == 0 ? 1 : length;
  }
  return shown;
}

int runScript(std::istream& in, std::ostream& out, std::ostream& err,
              const std::string& soundFolder, bool fileCommands) {
  ScriptSession session(out, soundFolder);
  session.fileCommands = fileCommands;
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    try {
      session.execute(ScriptLine(text));
    } catch (const ScriptError& e) {
      err << "qorza-play: line " << number << ": " << shownText(e.what()) << '\n'
          << "  " << shownText(text.substr(0, 4 * kLongestLine)) << '\n';
      return 2;
    } catch (const std::exception& e) {
      err << "qorza-play: line " << number << ": the game failed: " << shownText(e.what()) << '\n';
      return 1;
    }
  }
  out.flush();
  return 0;
}

}  // namespace qorza::script

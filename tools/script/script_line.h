// SPDX-License-Identifier: GPL-3.0-or-later
// One line of a script cut into words, with the rest of the line kept for
// commands whose last argument is free text (names, counter texts).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qorza::script {

class ScriptLine {
 public:
  // The comment ("#" to the end) is dropped.
  explicit ScriptLine(std::string_view text);

  bool empty() const { return words_.empty(); }
  std::size_t size() const { return words_.size(); }
  const std::string& word(std::size_t i) const { return words_.at(i); }
  // The text from word i to the end of the line, blanks around it trimmed;
  // empty when the line has fewer words.
  std::string restFrom(std::size_t i) const;

 private:
  std::string text_;
  std::vector<std::string> words_;
  std::vector<std::size_t> starts_;
};

}  // namespace qorza::script

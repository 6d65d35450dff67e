// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/script_line.h"

namespace qorza::script {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

ScriptLine::ScriptLine(std::string_view text) : text_(text.substr(0, text.find('#'))) {
  std::size_t i = 0;
  while (i < text_.size()) {
    while (i < text_.size() && isBlank(text_[i])) {
      ++i;
    }
    const std::size_t start = i;
    while (i < text_.size() && !isBlank(text_[i])) {
      ++i;
    }
    if (i > start) {
      starts_.push_back(start);
      words_.push_back(text_.substr(start, i - start));
    }
  }
}

std::string ScriptLine::restFrom(std::size_t i) const {
  if (i >= words_.size()) {
    return "";
  }
  std::size_t end = text_.size();
  while (end > starts_[i] && isBlank(text_[end - 1])) {
    --end;
  }
  return text_.substr(starts_[i], end - starts_[i]);
}

}  // namespace qorza::script

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/pretty_dump.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace qorza::script {

namespace {

using Json = nlohmann::ordered_json;

bool isPlain(const Json& value) { return !value.is_structured(); }

// A list or record of plain values only: one line is enough for it.
bool isFlat(const Json& value) {
  return isPlain(value) || std::all_of(value.begin(), value.end(), isPlain);
}

// A flat value on one line, a space after each comma and colon.
std::string oneLine(const Json& value) {
  if (isPlain(value)) {
    return value.dump();
  }
  std::string text(1, value.is_object() ? '{' : '[');
  for (auto it = value.begin(); it != value.end(); ++it) {
    if (it != value.begin()) text += ", ";
    if (value.is_object()) text += Json(it.key()).dump() + ": ";
    text += it.value().dump();
  }
  return text + (value.is_object() ? '}' : ']');
}

void layOut(const Json& value, const std::string& indent, std::string& out) {
  const bool record = value.is_object();
  if (isPlain(value) || value.empty() ||
      (!record && std::all_of(value.begin(), value.end(), isPlain))) {
    out += oneLine(value);
    return;
  }
  const std::string inner = indent + "  ";
  out += record ? "{\n" : "[\n";
  for (auto it = value.begin(); it != value.end(); ++it) {
    if (it != value.begin()) out += ",\n";
    out += inner;
    if (record) out += Json(it.key()).dump() + ": ";
    if (record || !isFlat(it.value())) {
      layOut(it.value(), inner, out);
    } else {
      out += oneLine(it.value());
    }
  }
  out += '\n' + indent + (record ? '}' : ']');
}

}  // namespace

std::string prettyDump(const std::string& line) {
  const Json value = Json::parse(line, nullptr, false);
  if (value.is_discarded()) {
    return line + '\n';
  }
  std::string out;
  layOut(value, "", out);
  return out + '\n';
}

}  // namespace qorza::script

// SPDX-License-Identifier: GPL-3.0-or-later
// The dump laid out for reading: the same content as the one-line dump, one
// key a line, lists of plain values on one line.
#include "tools/script/pretty_dump.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "tools/script/script_runner.h"

namespace qorza::script {
namespace {

TEST(PrettyDump, HoldsExactlyWhatTheLineHolds) {
  std::istringstream script("options 52 6 2\nseed 5\ndeal\nclick 1\nresults\ndump\n");
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(runScript(script, out, err), 0) << err.str();
  std::istringstream lines(out.str());
  int dumps = 0;
  for (std::string line; std::getline(lines, line); ++dumps) {
    const std::string pretty = prettyDump(line);
    EXPECT_EQ(nlohmann::ordered_json::parse(pretty), nlohmann::ordered_json::parse(line));
    EXPECT_EQ(pretty.back(), '\n');
    EXPECT_NE(pretty.find("\n  \"hand1\": ["), std::string::npos) << pretty;
  }
  EXPECT_EQ(dumps, 1);
}

TEST(PrettyDump, OneKeyALineListsOfValuesOnOne) {
  const std::string line = R"({"table":["2S",null],"qorza1":[{"pos":1,"card":"7H"}],"results":)"
                           R"({"grid":[["1","3"]],"verdict":null},"sounds":[],"seat":{}})";
  EXPECT_EQ(prettyDump(line), R"({
  "table": ["2S", null],
  "qorza1": [
    {"pos": 1, "card": "7H"}
  ],
  "results": {
    "grid": [
      ["1", "3"]
    ],
    "verdict": null
  },
  "sounds": [],
  "seat": {}
}
)");
  EXPECT_EQ(prettyDump("not json {"), "not json {\n");
}

}  // namespace
}  // namespace qorza::script

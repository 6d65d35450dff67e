// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/sim_options.h"

#include <charconv>
#include <map>
#include <set>

namespace qorza::sim {

const char* const kUsage =
    "usage: qorza-sim [--deals N | --matches N] [--seed S] [--variant 52/6|52/4|44/4|all]\n"
    "                 [--level 1|2|3|4|all] [--p1 random|greedy|level1..level4|all]\n"
    "                 [--target N] [--json] [--fuzz N] [--no-progress]\n"
    "       qorza-sim --duplicate 2|3 --matches N [--variant V] [--seed S] [--target N]\n"
    "       qorza-sim --bench [--expect-signature N]\n";

namespace {

std::optional<unsigned long long> number(const std::string& text) {
  unsigned long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) {
    return std::nullopt;
  }
  return value;
}

std::vector<std::pair<int, int>> variantsOf(const std::string& text) {
  if (text == "all") return {{52, 6}, {52, 4}, {44, 4}};
  if (text == "52/6") return {{52, 6}};
  if (text == "52/4") return {{52, 4}};
  if (text == "44/4") return {{44, 4}};
  return {};
}

std::vector<int> levelsOf(const std::string& text) {
  if (text == "all") return {1, 2, 3};
  if (text == "1" || text == "2" || text == "3" || text == "4") return {text[0] - '0'};
  return {};
}

std::vector<Strategy> strategiesOf(const std::string& text) {
  if (text == "all") {
    return {Strategy::Random, Strategy::Greedy, Strategy::Level1, Strategy::Level2,
            Strategy::Level3};
  }
  if (const auto s = parseStrategy(text)) return {*s};
  return {};
}

std::vector<Pairing> pairingsOf(const std::string& variant, const std::string& level,
                                const std::string& p1) {
  std::vector<Pairing> pairings;
  for (const auto& [deck, hand] : variantsOf(variant)) {
    for (const int l : levelsOf(level)) {
      for (const Strategy s : strategiesOf(p1)) {
        pairings.push_back({deck, hand, l, s});
      }
    }
  }
  return pairings;
}

}  // namespace

SimOptions benchOptions() {
  SimOptions o;
  o.deals = 20;
  o.seed = 20240601;
  o.pairings = pairingsOf("all", "all", "all");
  o.bench = true;
  return o;
}

namespace {

// The most deals, matches or fuzz states one run takes.
constexpr unsigned long long kMostRuns = 1000000000;

// One option's value read into the options; an error message, or empty.
std::string readOption(const std::string& a, const std::string& value, SimOptions& o,
                       std::map<std::string, std::string>& words) {
  auto count = [&](long& into, unsigned long long least) -> std::string {
    const auto n = number(value);
    if (!n || *n < least || *n > kMostRuns) {
      return a + " takes a whole number from " + std::to_string(least) + " to " +
             std::to_string(kMostRuns);
    }
    into = static_cast<long>(*n);
    return "";
  };
  if (a == "--deals") return count(o.deals, 1);
  if (a == "--matches") return count(o.matches, 1);
  if (a == "--fuzz") return count(o.fuzz, 0);
  if (a == "--duplicate") {
    if (value != "1" && value != "2" && value != "3") return "--duplicate takes a level 1, 2 or 3";
    o.duplicateAgainst = value[0] - '0';
    return "";
  }
  if (a == "--seed" || a == "--expect-signature") {
    const auto n = number(value);
    if (!n) return a + " takes a whole number from 0 to 18446744073709551615";
    (a == "--seed" ? o.seed : o.expectSignature.emplace()) = *n;
    return "";
  }
  if (a == "--target") {
    const auto n = number(value);
    if (!n || *n < 1 || *n > kMostRuns) return "--target takes a whole number from 1 to 1000000000";
    o.target = value;
    return "";
  }
  words[a] = value;
  return "";
}

bool takesValue(const std::string& a) {
  return a == "--deals" || a == "--matches" || a == "--fuzz" || a == "--seed" ||
         a == "--expect-signature" || a == "--target" || a == "--variant" || a == "--level" ||
         a == "--p1" || a == "--duplicate";
}

}  // namespace

ParsedOptions parseSimOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  SimOptions& o = parsed.options;
  std::map<std::string, std::string> words = {
      {"--variant", "52/6"}, {"--level", "all"}, {"--p1", "all"}};
  std::set<std::string> given;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    const std::string& a = args[i];
    if (!given.insert(a).second) {
      parsed.error = a + " is given twice";
    } else if (a == "--json") {
      o.json = true;
    } else if (a == "--bench") {
      o.bench = true;
    } else if (a == "--no-progress") {
      o.progress = false;
    } else if (!takesValue(a)) {
      parsed.error = "unknown option " + a;
    } else if (i + 1 >= args.size()) {
      parsed.error = a + " needs a value";
    } else {
      parsed.error = readOption(a, args[++i], o, words);
    }
  }
  if (parsed.error.empty() && o.duplicateAgainst != 0 && o.matches == 0) {
    parsed.error = "--duplicate plays matches: give --matches N";
  }
  if (parsed.error.empty() && given.count("--deals") && given.count("--matches")) {
    parsed.error = "--deals and --matches exclude each other";
  }
  if (!parsed.error.empty()) return parsed;
  o.pairings = pairingsOf(words["--variant"], words["--level"], words["--p1"]);
  if (o.pairings.empty()) parsed.error = "no such variant, level or strategy";
  if (o.bench) {
    const SimOptions asked = o;
    o = benchOptions();
    o.expectSignature = asked.expectSignature;
    o.progress = asked.progress;
  }
  return parsed;
}

}  // namespace qorza::sim

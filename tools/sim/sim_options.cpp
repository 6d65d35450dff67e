#include "tools/sim/sim_options.h"

#include <charconv>

namespace qorza::sim {

const char* const kUsage =
    "usage: qorza-sim [--deals N | --matches N] [--seed S] [--variant 52/6|52/4|44/4|all]\n"
    "                 [--level 1|2|3|all] [--p1 random|greedy|level1|level2|level3|all]\n"
    "                 [--target TEXT] [--json] [--fuzz N] [--no-progress]\n"
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
  if (text == "1" || text == "2" || text == "3") return {text[0] - '0'};
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

ParsedOptions parseSimOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  SimOptions& o = parsed.options;
  std::string variant = "52/6", level = "all", p1 = "all";
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    const std::string value = hasValue ? args[i + 1] : "";
    auto count = [&](long& into) {
      const auto n = number(value);
      if (!n) parsed.error = a + " needs a whole number";
      into = n ? static_cast<long>(*n) : 0;
      ++i;
    };
    if (a == "--json")
      o.json = true;
    else if (a == "--bench")
      o.bench = true;
    else if (a == "--no-progress")
      o.progress = false;
    else if (a == "--deals")
      count(o.deals);
    else if (a == "--matches")
      count(o.matches);
    else if (a == "--fuzz")
      count(o.fuzz);
    else if (a == "--seed" || a == "--expect-signature") {
      const auto n = number(value);
      if (!n) parsed.error = a + " needs a whole number";
      (a == "--seed" ? o.seed : o.expectSignature.emplace()) =
          n ? static_cast<std::uint64_t>(*n) : 0;
      ++i;
    } else if (a == "--variant" || a == "--level" || a == "--p1" || a == "--target") {
      if (!hasValue) parsed.error = a + " needs a value";
      (a == "--variant" ? variant : a == "--level" ? level : a == "--p1" ? p1 : o.target) = value;
      ++i;
    } else {
      parsed.error = "unknown option " + a;
    }
    if (!parsed.error.empty()) return parsed;
  }
  o.pairings = pairingsOf(variant, level, p1);
  if (o.pairings.empty()) parsed.error = "no such variant, level or strategy";
  if (o.bench) {
    const SimOptions given = o;
    o = benchOptions();
    o.expectSignature = given.expectSignature;
    o.progress = given.progress;
  }
  return parsed;
}

}  // namespace qorza::sim

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/report.h"

#include <cmath>
#include <cstdio>

namespace qorza::sim {

namespace {

double perDeal(double sum, long deals) { return deals ? sum / static_cast<double>(deals) : 0; }

std::string format(const char* pattern, double a, double b = 0, double c = 0) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, a, b, c);
  return text;
}

// "48.1% [47.8-48.4]"
std::string share(long wins, long games) {
  const Interval ci = wilson95(wins, games);
  return format("%.1f%% [%.1f-%.1f]", games ? 100.0 * wins / games : 0, 100 * ci.low,
                100 * ci.high);
}

std::string pairOf(double a, double b, const char* pattern) {
  return format(pattern, a) + " / " + format(pattern, b);
}

}  // namespace

Interval wilson95(long wins, long games) {
  if (games == 0) {
    return {0, 0};
  }
  const double z = 1.959963984540054;
  const double n = static_cast<double>(games);
  const double p = static_cast<double>(wins) / n;
  const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
  const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
  return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

void printTable(std::ostream& out, const std::vector<PairingResult>& results, bool byMatch) {
  char line[512];
  std::snprintf(
      line, sizeof line, "%-5s %-3s %-7s %9s %-24s %-24s %7s %-13s %-11s %-13s %-11s %7s %9s\n",
      "deck", "lvl", "p1", byMatch ? "matches" : "deals", "p1 wins [95% CI]", "p2 wins [95% CI]",
      "ties", "score/deal", "qorza/deal", "cards/deal", "points/deal", "full%", "deals/s");
  out << line;
  for (const PairingResult& r : results) {
    const Tally& t = r.tally;
    std::snprintf(
        line, sizeof line,
        "%-5s %-3d %-7s %9ld %-24s %-24s %7ld %-13s %-11s %-13s %-11s %7s %9.0f\n",
        variantName(r.pairing.deckSize, r.pairing.handSize).c_str(), r.pairing.level,
        strategyName(r.pairing.strategy).c_str(), t.games, share(t.wins1, t.games).c_str(),
        share(t.wins2, t.games).c_str(), t.ties,
        pairOf(perDeal(t.score1, t.deals), perDeal(t.score2, t.deals), "%.2f").c_str(),
        pairOf(perDeal(static_cast<double>(t.qorzas1), t.deals),
               perDeal(static_cast<double>(t.qorzas2), t.deals), "%.2f")
            .c_str(),
        pairOf(perDeal(t.cards1, t.deals), perDeal(t.cards2, t.deals), "%.1f").c_str(),
        pairOf(perDeal(t.points1, t.deals), perDeal(t.points2, t.deals), "%.2f").c_str(),
        format("%.2f", 100 * perDeal(static_cast<double>(t.fullTableDeals), t.deals)).c_str(),
        t.seconds > 0 ? static_cast<double>(t.deals) / t.seconds : 0.0);
    out << line;
  }
}

nlohmann::ordered_json resultsJson(const std::vector<PairingResult>& results, bool byMatch) {
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const PairingResult& r : results) {
    const Tally& t = r.tally;
    const Interval ci1 = wilson95(t.wins1, t.games);
    const Interval ci2 = wilson95(t.wins2, t.games);
    rows.push_back({
        {"variant", variantName(r.pairing.deckSize, r.pairing.handSize)},
        {"level", r.pairing.level},
        {"player1", strategyName(r.pairing.strategy)},
        {"unit", byMatch ? "match" : "deal"},
        {"games", t.games},
        {"wins1", t.wins1},
        {"wins1_ci95", {ci1.low, ci1.high}},
        {"wins2", t.wins2},
        {"wins2_ci95", {ci2.low, ci2.high}},
        {"ties", t.ties},
        {"deals", t.deals},
        {"score_per_deal", {perDeal(t.score1, t.deals), perDeal(t.score2, t.deals)}},
        {"qorzas_per_deal",
         {perDeal(static_cast<double>(t.qorzas1), t.deals),
          perDeal(static_cast<double>(t.qorzas2), t.deals)}},
        {"cards_per_deal", {perDeal(t.cards1, t.deals), perDeal(t.cards2, t.deals)}},
        {"points_per_deal", {perDeal(t.points1, t.deals), perDeal(t.points2, t.deals)}},
        {"full_table_deals", t.fullTableDeals},
        {"longest_turn_ms", t.longestTurnMs},
        {"seconds", t.seconds},
        {"deals_per_second", t.seconds > 0 ? static_cast<double>(t.deals) / t.seconds : 0.0},
    });
  }
  return rows;
}

}  // namespace qorza::sim

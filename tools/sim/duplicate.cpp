// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/duplicate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "game/bounds.h"
#include "tools/sim/self_play.h"

namespace qorza::sim {

namespace {

// Running mean and spread of one value per seed.
struct Sample {
  long n = 0;
  double sum = 0, squares = 0;
  void add(double x) {
    n += 1;
    sum += x;
    squares += x * x;
  }
  double mean() const { return n > 0 ? sum / static_cast<double>(n) : 0; }
  // Half the width of the 95% interval of the mean.
  double halfWidth() const {
    if (n < 2) return 0;
    const double m = mean();
    const double variance = (squares - static_cast<double>(n) * m * m) / static_cast<double>(n - 1);
    return 1.96 * std::sqrt(std::max(variance, 0.0) / static_cast<double>(n));
  }
};

// Every decision's think time, for the distribution.
std::vector<double> thinkTimes;

struct Outcome {
  bool expertWon = false;
  long deals = 0;
  double margin = 0;  // the expert's match points minus the other's, over the match's deals
};

Outcome playOne(const Pairing& pairing, bool expertIsPlayer2, const std::string& target,
                std::uint64_t seed) {
  SelfPlay play(pairing, target);
  play.playMatches(1, seed);
  const Tally& t = play.tally();
  thinkTimes.insert(thinkTimes.end(), play.thinkMs().begin(), play.thinkMs().end());
  Outcome o;
  o.expertWon = expertIsPlayer2 ? t.wins2 > 0 : t.wins1 > 0;
  o.deals = t.deals;
  o.margin = expertIsPlayer2 ? t.score2 - t.score1 : t.score1 - t.score2;
  return o;
}

void report(std::ostream& out, const char* variant, int against, const Sample& wins,
            const Sample& margin, long deals) {
  char line[300];
  std::snprintf(line, sizeof line,
                "%s expert vs level %d: %ld matches, expert won %.1f%% (95%% CI %.1f..%.1f), "
                "mean deal margin %+.2f (95%% CI %+.2f..%+.2f) over %ld deals\n",
                variant, against, 2 * wins.n, 100 * wins.mean(),
                100 * (wins.mean() - wins.halfWidth()), 100 * (wins.mean() + wins.halfWidth()),
                margin.mean(), margin.mean() - margin.halfWidth(),
                margin.mean() + margin.halfWidth(), deals);
  out << line << std::flush;
}

// The distribution of the expert's think times since the last report.
void reportThinking(std::ostream& out) {
  if (thinkTimes.empty()) return;
  std::sort(thinkTimes.begin(), thinkTimes.end());
  auto at = [](double q) {
    return thinkTimes[static_cast<std::size_t>(q * static_cast<double>(thinkTimes.size() - 1))];
  };
  char line[200];
  std::snprintf(line, sizeof line,
                "  think time over %zu decisions: median %.2f ms, p95 %.2f ms, p99 %.2f ms, max "
                "%.2f ms\n",
                thinkTimes.size(), at(0.5), at(0.95), at(0.99), thinkTimes.back());
  out << line;
  thinkTimes.clear();
}

}  // namespace

int runDuplicate(const SimOptions& o, std::ostream& out, std::ostream& err) {
  std::vector<std::pair<int, int>> variants;
  for (const Pairing& p : o.pairings) {
    if (variants.empty() || variants.back() != std::pair{p.deckSize, p.handSize}) {
      variants.emplace_back(p.deckSize, p.handSize);
    }
  }
  const auto rules =
      static_cast<Strategy>(static_cast<int>(Strategy::Level1) + o.duplicateAgainst - 1);
  for (const auto& [deck, hand] : variants) {
    const Pairing expertSecond{deck, hand, bounds::kExpertLevel, rules};
    const Pairing expertFirst{deck, hand, o.duplicateAgainst, Strategy::Level4};
    const std::string variant = variantName(deck, hand);
    Sample wins;    // per seed: the share of its two matches the expert won
    Sample margin;  // per seed: the expert's margin per deal over both matches
    long deals = 0;
    try {
      for (long m = 0; m < o.matches; ++m) {
        const std::uint64_t seed = o.seed + static_cast<std::uint64_t>(m) * 7919u;
        const Outcome a = playOne(expertSecond, true, o.target, seed);
        const Outcome b = playOne(expertFirst, false, o.target, seed);
        wins.add(((a.expertWon ? 1 : 0) + (b.expertWon ? 1 : 0)) / 2.0);
        margin.add((a.margin + b.margin) / static_cast<double>(std::max(1L, a.deals + b.deals)));
        deals += a.deals + b.deals;
        if ((m + 1) % 25 == 0) {
          report(err, variant.c_str(), o.duplicateAgainst, wins, margin, deals);
        }
      }
    } catch (const SimFailure& failure) {
      err << "qorza-sim: invariant broken: " << failure.what();
      return 1;
    }
    report(out, variant.c_str(), o.duplicateAgainst, wins, margin, deals);
    reportThinking(out);
  }
  return 0;
}

}  // namespace qorza::sim

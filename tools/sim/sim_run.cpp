// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/sim_run.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>

#include "tools/sim/duplicate.h"
#include "tools/sim/fuzz.h"
#include "tools/sim/progress_bar.h"
#include "tools/sim/report.h"

namespace qorza::sim {

namespace {

using Clock = std::chrono::steady_clock;

struct RunTotals {
  long deals = 0;
  double seconds = 0;
  double longestTurnMs = 0;
  std::uint64_t signature = 14695981039346656037ull;
};

void addTo(RunTotals& totals, const SelfPlay& play) {
  totals.deals += play.tally().deals;
  totals.seconds += play.tally().seconds;
  totals.longestTurnMs = std::max(totals.longestTurnMs, play.tally().longestTurnMs);
  totals.signature = (totals.signature ^ play.signature()) * 1099511628211ull;
}

std::vector<PairingResult> playPairings(const SimOptions& o, ProgressBar& bar, RunTotals& totals) {
  std::vector<PairingResult> results;
  for (const Pairing& pairing : o.pairings) {
    SelfPlay play(pairing, o.target);
    play.onDealEnd = [&bar, &o] {
      if (o.matches == 0) bar.advance();
    };
    if (o.matches > 0) {
      for (long m = 0; m < o.matches; ++m) {
        play.playMatches(1, o.seed + static_cast<std::uint64_t>(m) * 7919u);
        bar.advance();
      }
    } else {
      play.playDeals(o.deals, o.seed);
    }
    addTo(totals, play);
    results.push_back({pairing, play.tally()});
  }
  return results;
}

void playFuzz(const SimOptions& o, ProgressBar& bar, RunTotals& totals) {
  std::mt19937_64 rng(o.seed);
  for (long i = 0; i < o.fuzz; ++i) {
    const FuzzCase c = randomState(rng);
    SelfPlay play(c.pairing, "101");
    play.playFromState(c.lines, rng());
    totals.longestTurnMs = std::max(totals.longestTurnMs, play.tally().longestTurnMs);
    bar.advance();
  }
}

// CPU seconds this process has used, all threads.
double processCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace

int runSim(const SimOptions& o, std::ostream& out, std::ostream& err) {
  if (o.duplicateAgainst != 0) {
    return runDuplicate(o, out, err);
  }
  const double cpuStart = processCpuSeconds();
  const long perPairing = o.matches > 0 ? o.matches : o.deals;
  ProgressBar bar(err, perPairing * static_cast<long>(o.pairings.size()) + o.fuzz, o.progress);
  RunTotals totals;
  std::vector<PairingResult> results;
  try {
    results = playPairings(o, bar, totals);
    playFuzz(o, bar, totals);
  } catch (const SimFailure& failure) {
    err << "qorza-sim: invariant broken: " << failure.what();
    return 1;
  }
  const double rate = totals.seconds > 0 ? totals.deals / totals.seconds : 0;
  const double cpuSeconds = processCpuSeconds() - cpuStart;
  const double cpuRate = cpuSeconds > 0 ? totals.deals / cpuSeconds : 0;
  if (o.json) {
    nlohmann::ordered_json all = {{"seed", o.seed},
                                  {"target", o.target},
                                  {"pairings", resultsJson(results, o.matches > 0)},
                                  {"fuzz_states", o.fuzz},
                                  {"deals", totals.deals},
                                  {"deals_per_second", rate},
                                  {"longest_turn_ms", totals.longestTurnMs},
                                  {"signature", totals.signature}};
    out << all.dump(2) << "\n";
  } else {
    printTable(out, results, o.matches > 0);
    char line[200];
    std::snprintf(line, sizeof line,
                  "%ld deals, %.0f deals/s, %.0f deals per CPU second, longest turn %.3f ms, %ld "
                  "fuzz states, seed %llu\n",
                  totals.deals, rate, cpuRate, totals.longestTurnMs, o.fuzz,
                  static_cast<unsigned long long>(o.seed));
    out << line;
  }
  if (o.bench) {
    out << "deals/s " << static_cast<long>(rate) << "\n"
        << "deals per CPU second " << static_cast<long>(cpuRate) << "\n"
        << "signature " << totals.signature << "\n";
  }
  if (o.expectSignature && *o.expectSignature != totals.signature) {
    err << "qorza-sim: signature " << totals.signature << ", expected " << *o.expectSignature
        << ": the play has changed\n";
    return 1;
  }
  return 0;
}

}  // namespace qorza::sim

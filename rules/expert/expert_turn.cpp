// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/expert/expert_turn.h"

#include <cstdlib>

#include "game/game_state.h"
#include "rules/expert/observation.h"
#include "rules/expert/search.h"

namespace qorza {

static expert::Budget budgetNow() {
  expert::Budget b = expert::kGameBudget;
  if (const char* e = std::getenv("QX_SAMPLES")) b.samples = std::atoi(e);
  return b;
}

int expertSlot(Game& g) {
  const expert::Observation seen = expert::observe(g, 2);
  expert::Choice choice;
  g.platform().think([&seen, &choice] {
    choice = expert::choose(seen, budgetNow(), expert::fingerprint(seen));
  });
  return choice.slot + 1;
}

int expertHintPosition(const Game& g) {
  const expert::Observation seen = expert::observe(g, 1);
  return expert::choose(seen, budgetNow(), expert::fingerprint(seen)).slot + 1;
}

}  // namespace qorza

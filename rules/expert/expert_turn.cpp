// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/expert/expert_turn.h"

#include "game/game_state.h"
#include "rules/expert/observation.h"
#include "rules/expert/search.h"

namespace qorza {

int expertSlot(Game& g) {
  const expert::Observation seen = expert::observe(g, 2);
  expert::Choice choice;
  g.platform().think([&seen, &choice] {
    choice = expert::choose(seen, expert::kGameBudget, expert::fingerprint(seen));
  });
  return choice.slot + 1;
}

int expertHintPosition(const Game& g) {
  // The hint is asked for between turns and answers at once: no events run
  // while it thinks, so the game cannot change under it.
  const expert::Observation seen = expert::observe(g, 1);
  return expert::choose(seen, expert::kGameBudget, expert::fingerprint(seen)).slot + 1;
}

}  // namespace qorza

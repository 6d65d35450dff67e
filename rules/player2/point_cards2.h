// SPDX-License-Identifier: GPL-3.0-or-later
// Banking for player 2: taken cards and their points, the point-card strip,
// the Jack on a lone Jack and the Qorza record with its worth.
#pragma once

#include <string>

namespace qorza {

struct Game;

// Banks the taken table card game(slot); raises its sound flag.
void ScoreTableCard2(Game& game, int value, const std::string& mark, int slot);

// Banks the played card Player2(slot); raises its sound flag.
void ScorePlayedCard2(Game& game, int slot);

// The Jack at hand position k takes the lone table Jack: a Qorza worth 25.
void JackOnLoneJack(Game& game, int k);

// Records the Qorza made by hand position k, worth the cards it took.
void RecordQorza2(Game& game, int k);

}  // namespace qorza

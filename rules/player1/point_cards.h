// SPDX-License-Identifier: GPL-3.0-or-later
// Player 1's credit for what it takes: points of the point cards (shown in
// the strip of point cards) and the record of a Qorza with its worth.
#pragma once

#include <string>

namespace qorza {

struct Game;

// A card taken from table slot s: points, and its sound marked as due.
void ScoreTableCard(Game& game, int s);
// The played card at hand position k: its sound at once, then its points.
void ScorePlayedCard(Game& game, int k);
// A card the Jack took from slot s, by value v and mark m: points, no sound.
void ScoreCardFromTable(Game& game, int v, const std::string& m, int s);
// The card at hand position k, by value v and mark m: points, no sound.
void ScoreCardFromHand(Game& game, int v, const std::string& m, int k);

// Records the Qorza made by the card at hand position k after the table was
// cleared: its worth, the played card's points, the display and the sound.
void RecordQorza(Game& game, int k);

}  // namespace qorza

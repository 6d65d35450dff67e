// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's capture search: every hand card is tried on the hidden copy
// of the table, and what it would take by each rule is recorded.
#pragma once

namespace qorza {

struct Game;

// Fills the capture records for every hand position, stopping at the first
// card that clears the table (SweepFound, SweepCard, MakesQorza). The copy
// game1 must already hold the table's faces (CopyTable, as the turn does).
void EvaluateCaptures(Game& game);

// One rule each for hand position k against TrialValue.
void TryEqualCard(Game& game, int k);
void TryPairs(Game& game, int k);
void TryTriples(Game& game, int k);
void TryQuads(Game& game, int k);

// The hand position taking the most cards; the later one on a tie.
int ChooseBestCapture(Game& game);

}  // namespace qorza

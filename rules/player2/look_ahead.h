// SPDX-License-Identifier: GPL-3.0-or-later
// The level-3 look-ahead: each candidate discard is laid on the hidden table
// and every low card of player 1's hand tries to clear it.
#pragma once

namespace qorza {

struct Game;

// Plays the first card that no card of player 1 could answer with a clear
// table; hand position 1 when every card is unsafe.
void LookAheadDiscard(Game& game);

// The hidden table with hand position k laid where it would land.
void TrialLay(Game& game, int k);

// Hides on the hidden table what a card of PlayedValue could take.
void TrialOpponentTake(Game& game);

}  // namespace qorza

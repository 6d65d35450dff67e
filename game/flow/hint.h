// SPDX-License-Identifier: GPL-3.0-or-later
// The card the computer's own rules would play from player 1's seat. The
// rules run on a copy of the game with the two hands exchanged, on a quiet
// desktop (no sound, no pause, no window), so the game itself is never
// touched. The simulator's computer-rules players use this choice; the
// game's hint is the expert's (rules/expert/expert_turn.h), which reads no
// hand but player 1's.
#pragma once

namespace qorza {

struct Game;

// The hand position (1..6) of player 1's card that the computer's rules at
// level 1..3 would play from player 1's seat: player 1's cards sit in the
// computer's hand, and the computer's cards become the hand that levels 2
// and 3 may read. 0 when player 1 holds no card.
int computerRulesPosition(const Game& game, int level);

// The level-3 choice (computerRulesPosition at level 3).
int hintPosition(const Game& game);

// A copy of game's play state on the quiet desktop, for trying a play. The
// copy is kept from call to call (on this thread) and only what a play reads
// is copied again (no card's picture), so that trials stay cheap; the next
// call overwrites it.
Game& playTrial(const Game& game);

// Sets a trial back after player 1's play was tried on it: that play writes
// only the table, player 1's hand, the counters and player 1's scratch, never
// the computer's hand, its scratch, the scores or the sound folder.
void undoPlayer1Trial(Game& trial, const Game& game);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// One turn: player 1 leads with a hand card, the computer answers, and when
// the hands are used up the stock counter drops and the next hands come.
#pragma once

namespace qorza {

struct Game;
class PlayLog;

// Player 1 plays hand position index (1..6); an empty position is ignored.
// A log, when given, records what each of the two plays did.
void Player1_Click(Game& game, int index, PlayLog* log = nullptr);

// Digit keys 1..6 of the main row (49..54) and the keypad (97..102) play the
// hand position their hint shows; nothing while shift (Shift, Ctrl or Alt)
// is held or while a turn is resolved.
void Form_KeyDown(Game& game, int keyCode, int shift, PlayLog* log = nullptr);

// The hand position a digit 1..6 plays, by hand size; 0 for no position.
int handPositionForDigit(int digit, int handSize);

}  // namespace qorza

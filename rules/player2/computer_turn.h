// SPDX-License-Identifier: GPL-3.0-or-later
// The steps that carry out the computer's chosen play: reading both hands and
// the table, showing the card, laying it, and taking what it takes.
#pragma once

namespace qorza {

struct Game;

// Snapshots of both hands (showing slots in slot order) and of the table;
// CopyTable also makes the hidden copy game1 show exactly the table.
void ReadHands(Game& game);
void CopyTable(Game& game);

// CopyTable for a copy whose visible slots already hold the table's faces:
// only what shows and the snapshot are set again.
void ResetTableCopy(Game& game);

// Turns Player2(slot) face up, blinks it and takes it out of the hand.
void RevealHandCard(Game& game, int slot);

// Lays Player2(slot) in the lowest free table slot. On a full table the card
// cannot be laid, so player 2 keeps it: it is banked as a taken card.
void LayOnTable(Game& game, int slot);

// Takes the table cards the search recorded for hand position k.
void TakeRecordedCards(Game& game, int k);

// Plays hand position k when it takes nothing: laid, or a Jack takes all.
void PlayWithoutCapture(Game& game, int k);

// RevealHandCard then PlayWithoutCapture for hand position k.
void playHandPosition(Game& game, int k);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// The quick rules both sides follow when the expert plays a sampled deal to
// its end: take what is worth most now, else lay the card that gives least
// away, and keep Jacks for a table worth taking.
#pragma once

#include "rules/compact/position.h"

namespace qorza::expert {

// The hand slot (0-based) the player to move plays by the quick rules; -1
// with an empty hand.
int quickSlot(const compact::Position& p);

// The play of `player` (0 or 1) from hand slot `slot`, followed by the next
// hands when both are empty.
void playFor(compact::Position& p, int player, int slot);

// Plays the deal to its end by the quick rules on both sides.
void playOut(compact::Position& p);

}  // namespace qorza::expert

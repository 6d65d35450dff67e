// SPDX-License-Identifier: GPL-3.0-or-later
// The compact position of a game's slots: every card where it lies, the stock
// in dealing order. It reads both hands and the stock, so only the checks of
// the compact rules and the tools use it; a player's search gets an
// observation instead.
#pragma once

#include "rules/compact/position.h"

namespace qorza {
struct CardSlot;
struct Game;
}  // namespace qorza

namespace qorza::compact {

// The library index of the card a slot holds: its face picture, or failing
// that the first library card of its rank and mark.
CardId cardIdOf(const CardSlot& slot);

// Deck, table, counters and how far the stock is dealt; the hands are left
// empty, and the stock holds no card.
Position publicPart(const Game& game);

// publicPart with both hands and the whole stock filled in.
Position positionOf(const Game& game);

}  // namespace qorza::compact

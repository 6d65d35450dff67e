// SPDX-License-Identifier: GPL-3.0-or-later
// Laying player 1's card on the table when it takes nothing. The table has
// ten places: a card that finds none free stays with its player, banked as
// a taken card, so no card leaves the deal's count.
#pragma once

namespace qorza {

struct Game;

// Lays the card at hand position k in the lowest free table slot; on a full
// table it is banked instead (one more card, its points, no sound).
void layPlayedCard(Game& game, int k);

}  // namespace qorza

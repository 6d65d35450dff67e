// SPDX-License-Identifier: GPL-3.0-or-later
// The expert at the table: its choice for player 2 from player 2's
// observation, and the hint for player 1 from player 1's.
#pragma once

#include "game/bounds.h"

namespace qorza {

struct Game;

using bounds::kExpertLevel;

// The Player2 slot (1..6) of the card the expert plays now; 0 with an empty
// hand. The thinking runs through the platform's think().
int expertSlot(Game& game);

// The hand position (1..6) of the card the expert would play from player
// 1's seat; 0 when player 1 holds no card.
int expertHintPosition(const Game& game);

}  // namespace qorza

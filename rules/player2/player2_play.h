// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's turn: it chooses a card by what it can take and by its
// skill level, shows it, and takes or lays it.
#pragma once

namespace qorza {

struct Game;

// One play of player 2; index (player 1's position) is not used.
void H2_player2(Game& game, int index);

// Player 2 plays the card in Player2(slot) by the computer's rules for that
// card: what it takes, its points, its Qorza and its sounds, as when its
// turn chooses it. The expert's choices are played this way.
void playChosenCard(Game& game, int slot);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// Player 1's play: the played card leaves the hand, takes from the table by
// rank and sum (a Jack takes all), banks its points and Qorzas, or is laid.
#pragma once

namespace qorza {

struct Game;

// Plays the card at hand position k (1..6) completely.
void H1_player1(Game& game, int k);

// Blinks the card at hand position k three times and leaves it hidden; with
// no pause set it is hidden at once.
void HideHandCard(Game& game, int k);

// The snapshot of the showing table cards, in slot order.
void ReadTable(Game& game);

}  // namespace qorza

// Player 1's play: the played card leaves the hand, takes from the table by
// rank and sum (a Jack takes all), banks its points and Qorzas, or is laid.
#pragma once

namespace qorza {

struct Game;

// Plays the card at hand position k (1..6) completely.
void H1_player1(Game& game, int k);

}  // namespace qorza

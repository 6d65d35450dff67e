// SPDX-License-Identifier: GPL-3.0-or-later
// What must hold in every game the simulator plays: no card lost or doubled,
// the point cards all accounted for, strips and stock within bounds.
#pragma once

#include <stdexcept>

namespace qorza {
struct Game;
}

namespace qorza::sim {

class InvariantError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// After any play: each deck card in one place only (taken, table, a hand or
// the stock), faces matching ranks and marks, strips within ten places, the
// stock counter not below 0.
void checkAfterPlay(const Game& game);

// Between turns also: both hands hold HandSize - TurnInHand cards.
void checkBetweenTurns(const Game& game);

// At the end of a deal: the cards taken and left on the table make the deck,
// and the points taken and left make 13.
void checkDealEnd(const Game& game);

// All ten table slots hold a card.
bool tableIsFull(const Game& game);

}  // namespace qorza::sim

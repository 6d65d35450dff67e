// SPDX-License-Identifier: GPL-3.0-or-later
// What a card played by player 1 takes from the table: an equal card, pairs
// and triples that add up to it, four cards for a ten, or all with a Jack.
// Each step walks the snapshot taken before the play.
#pragma once

namespace qorza {

struct Game;

// The first table card (lowest slot) of the played value.
void TakeEqualCard(Game& game);
// Every pair, then every triple, of table cards adding up to the played value.
void TakeSums(Game& game);
// Every four table cards adding up to the played value (a ten).
void TakeFourSum(Game& game);
// The Jack hides the whole table; the cards keep their rank for scoring.
void TakeAllWithJack(Game& game);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// Matches and deals: a new match, the deal sequence (reset, shuffle, opening
// table), the two fixes of the opening cards, and each next pair of hands.
#pragma once

namespace qorza {

struct Game;

// Menu New: the options dialog, then a new match. Closing the dialog without
// its OK leaves the running match untouched.
void mnu_new_real_Click(Game& game);

// A deal sequence: reset the table, shuffle, lay four cards, deal hands.
void mnu_new_Click(Game& game);

// The next hands, or, when the stock is used up, the end of the deal.
void newgame(Game& game);

// No two opening cards share a rank.
void FixOpeningPairs(Game& game);
// No Jack among the opening cards.
void FixOpeningJacks(Game& game);

// Fills DeckOrder(1..DeckSize) with a random permutation of 1..DeckSize.
void shuffleDeckOrder(Game& game);

// True when the stock holds no further hands.
bool stockExhausted(const Game& game);

}  // namespace qorza

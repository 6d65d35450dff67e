// What the new-game options dialog's OK does to the game.
#pragma once

#include <string>

namespace qorza {

struct Game;

struct NewGameChoice {
  bool homsi = false;    // the 44-card variant without Queens and Kings
  bool sixCards = true;  // six-card hands, else four
  std::string name;      // player 1's name as typed
};

// Sets DeckSize, HandSize, the digit hints and the stock counter; with a
// non-empty name also player 1's name and both name labels. Returns whether
// the name was non-empty (the dialog may close).
bool applyNewGameOptions(Game& game, const NewGameChoice& choice);

// Stock left after four table cards and one hand to each player.
int stockAfterFirstHands(const Game& game);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// What the new-game options dialog's OK does to the game.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qorza {

struct Game;

struct NewGameChoice {
  bool homsi = false;    // the 44-card variant without Queens and Kings
  bool sixCards = true;  // six-card hands, else four
  std::string name;      // player 1's name as typed
};

// A name of nothing but spaces (of any script) is no name.
bool isBlankName(std::string_view name);

// Sets DeckSize, HandSize, the digit hints and the stock counter; with a
// name also player 1's name and both name labels. Returns whether there was
// a name (the dialog may close).
bool applyNewGameOptions(Game& game, const NewGameChoice& choice);

// Everything the dialog writes into the game before its OK succeeds (the
// level on its click, the rest on a refused OK), kept when it opens so that
// leaving it without a successful OK puts the match back as it was.
struct NewGameSettings {
  int deckSize = 0;
  int handSize = 0;
  int skillLevel = 0;
  std::array<std::string, 4> hints;  // Label1(1..4) captions
  std::string stock;                 // the stock counter
  std::string player1Name;
  std::array<std::string, 2> nameLabels;
};

NewGameSettings keepNewGameSettings(const Game& game);
void restoreNewGameSettings(Game& game, const NewGameSettings& kept);

// Stock left after four table cards and one hand to each player.
int stockAfterFirstHands(const Game& game);

}  // namespace qorza

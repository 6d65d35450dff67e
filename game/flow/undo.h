// SPDX-License-Identifier: GPL-3.0-or-later
// Taking back a turn: the game as it stood before each of player 1's cards
// in the current deal, so that a turn (player 1's card and the computer's
// answer) can be taken back whole, down to the random generator's state. The
// settings (level, names, speed, sound, target, card back) are the player's
// choices, not play: a turn taken back keeps them as they are now.
#pragma once

#include <cstddef>
#include <vector>

#include "game/game_state.h"

namespace qorza {

class UndoHistory {
 public:
  // Player 1 is about to play: the position is kept.
  void beforeTurn(const Game& game);
  // The turn is over. A turn that played no card (an empty position, a key
  // that plays nothing) keeps nothing; one that ended the deal forgets the
  // deal, whose results have been shown.
  void afterTurn(const Game& game);
  // Forgets every position (a new match, a match brought back).
  void clear() { positions_.clear(); }

  // True when a turn of the deal in play can be taken back; a deal that has
  // ended, or a match started anew since, has none.
  bool canUndo(const Game& game) const;
  // Puts the game back as it stood before player 1's last card, settings
  // kept; false, changing nothing, when canUndo is false.
  bool undo(Game& game);

  std::size_t size() const { return positions_.size(); }

 private:
  std::vector<Game> positions_;
  int turnMark_ = 0;
  int dealtMark_ = 0;
};

// True when position was taken earlier in the deal game is playing: the same
// variant, the same stock, the same match scores and no fewer cards dealt.
bool sameDeal(const Game& position, const Game& game);

// game's play state replaced by position's, game's settings kept.
void restorePlay(Game& game, const Game& position);

}  // namespace qorza

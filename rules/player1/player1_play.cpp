#include "rules/player1/player1_play.h"

#include "game/game_state.h"

namespace qorza {

// Placeholder: the card only leaves the hand.
void H1_player1(Game& game, int k) { game.Player1(k).Visible = false; }

}  // namespace qorza

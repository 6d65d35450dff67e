#include "rules/player2/player2_play.h"

#include "game/game_state.h"

namespace qorza {

// Placeholder: the first card in hand only leaves it.
void H2_player2(Game& game, int /*index*/) {
  for (int i = 1; i <= game.HandSize; ++i) {
    if (game.Player2(i).Visible) {
      game.Player2(i).Visible = false;
      game.Player02(i).Visible = false;
      return;
    }
  }
}

}  // namespace qorza

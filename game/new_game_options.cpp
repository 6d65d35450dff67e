#include "game/new_game_options.h"

#include "game/game_state.h"

namespace qorza {

int stockAfterFirstHands(const Game& g) { return g.DeckSize - 2 * g.HandSize - 4; }

bool applyNewGameOptions(Game& g, const NewGameChoice& choice) {
  g.DeckSize = choice.homsi ? 44 : 52;
  g.HandSize = choice.sixCards ? 6 : 4;
  const int hintOffset = choice.sixCards ? 1 : 0;
  for (int k = 1; k <= 4; ++k) {
    g.Label1(k).Caption = std::to_string(k + hintOffset);
  }
  const bool accepted = !choice.name.empty();
  if (accepted) {
    g.PlayerName(1) = choice.name;
    g.lbl_n_player(1).Caption = g.PlayerName(1);
    g.lbl_n_player(2).Caption = g.PlayerName(2);
  }
  g.TXT_NAME.Text = std::to_string(stockAfterFirstHands(g));
  return accepted;
}

}  // namespace qorza

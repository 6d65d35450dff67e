// SPDX-License-Identifier: GPL-3.0-or-later
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

NewGameSettings keepNewGameSettings(const Game& g) {
  NewGameSettings kept;
  kept.deckSize = g.DeckSize;
  kept.handSize = g.HandSize;
  kept.skillLevel = g.SkillLevel;
  for (int k = 1; k <= 4; ++k) {
    kept.hints[k - 1] = g.Label1(k).Caption;
  }
  kept.stock = g.TXT_NAME.Text;
  kept.player1Name = g.PlayerName(1);
  for (int p = 1; p <= 2; ++p) {
    kept.nameLabels[p - 1] = g.lbl_n_player(p).Caption;
  }
  return kept;
}

void restoreNewGameSettings(Game& g, const NewGameSettings& kept) {
  g.DeckSize = kept.deckSize;
  g.HandSize = kept.handSize;
  g.SkillLevel = kept.skillLevel;
  for (int k = 1; k <= 4; ++k) {
    g.Label1(k).Caption = kept.hints[k - 1];
  }
  g.TXT_NAME.Text = kept.stock;
  g.PlayerName(1) = kept.player1Name;
  for (int p = 1; p <= 2; ++p) {
    g.lbl_n_player(p).Caption = kept.nameLabels[p - 1];
  }
}

}  // namespace qorza

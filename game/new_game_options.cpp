// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/new_game_options.h"

#include "game/game_state.h"

namespace qorza {

namespace {

// The spaces a name may hold: ASCII white space and Unicode's space
// separators, no-break spaces among them.
bool isSpace(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

}  // namespace

bool isBlankName(std::string_view name) {
  for (std::size_t i = 0; i < name.size();) {
    const auto lead = static_cast<unsigned char>(name[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length && i + k < name.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(name[i + k]) & 0x3F);
    }
    if (!isSpace(c)) {
      return false;
    }
    i += length;
  }
  return true;
}

int stockAfterFirstHands(const Game& g) { return g.DeckSize - 2 * g.HandSize - 4; }

bool applyNewGameOptions(Game& g, const NewGameChoice& choice) {
  g.DeckSize = choice.homsi ? 44 : 52;
  g.HandSize = choice.sixCards ? 6 : 4;
  const int hintOffset = choice.sixCards ? 1 : 0;
  for (int k = 1; k <= 4; ++k) {
    g.Label1(k).Caption = std::to_string(k + hintOffset);
  }
  const bool accepted = !isBlankName(choice.name);
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

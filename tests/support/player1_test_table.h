// SPDX-License-Identifier: GPL-3.0-or-later
// A table and a hand for player 1's tests, set up from card texts.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "game/card_library.h"
#include "game/game_state.h"
#include "game/numbers.h"
#include "rules/player1/player1_play.h"
#include "support/table_fixture.h"

namespace qorza::testing {

struct Player1Table : TableFixture {
  void hand(int k, std::string_view text) {
    g.Player1(k) = cardFromText(text);
    g.Player1(k).Visible = true;
  }

  // Puts the card in hand position 1 and plays it.
  void play(std::string_view text) {
    hand(1, text);
    H1_player1(g, 1);
  }

  // Player 1's strip of point cards, as far as it shows.
  Cards strip() const { return shownCards(g.img_card1); }

  double cardsTaken() const { return numberOf(g.TXT_CARD(1).Text); }
  double points() const { return numberOf(g.TXT_POINT(1).Text); }
  double qorzaTotal() const { return numberOf(g.txt_qorza(1).Text); }
};

}  // namespace qorza::testing

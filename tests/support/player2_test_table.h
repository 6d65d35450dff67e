// SPDX-License-Identifier: GPL-3.0-or-later
// Both hands and the table for the computer player's tests, set up from card
// texts ("7H", "10D" the marked ten, "2C" the marked two), over the fake
// platform.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/card_library.h"
#include "game/game_state.h"
#include "game/numbers.h"
#include "rules/player2/player2_play.h"
#include "support/table_fixture.h"

namespace qorza::testing::computer {

inline CardSlot card(std::string_view text) { return cardFromText(text); }
inline std::string textOf(const std::string& picture) { return textOfPicture(picture); }

struct ComputerTable : TableFixture {
  ComputerTable() {
    g.HandSize = 6;
    g.SkillLevel = 1;
  }

  // Player 2's hand in slots 1..: the back shows, the face sits in Player02.
  // An empty text leaves that slot without a card.
  void hand2(const std::vector<std::string_view>& cards) {
    int s = 1;
    for (int i = 1; i <= 6; ++i) {
      g.Player2(i) = {};
      g.Player02(i) = {};
    }
    for (std::string_view text : cards) {
      if (!text.empty()) {
        const CardSlot dealt = card(text);
        g.Player2(s) = dealt;
        g.Player2(s).Picture = kDeckBack;
        g.Player2(s).Visible = true;
        g.Player02(s).Picture = dealt.Picture;
        g.Player02(s).Visible = true;
      }
      ++s;
    }
  }

  void hand1(const std::vector<std::string_view>& cards) {
    for (auto& slot : g.Player1) {
      slot = {};
    }
    int s = 1;
    for (std::string_view text : cards) {
      g.Player1(s) = card(text);
      g.Player1(s).Visible = true;
      ++s;
    }
  }

  void play(int level = 1) {
    g.SkillLevel = level;
    H2_player2(g, 1);
  }

  // Player 2's hand as it still shows, by face.
  Cards handShows() const {
    Cards shown;
    for (int i = 1; i <= 6; ++i) {
      if (g.Player2(i).Visible) {
        shown.push_back(textOf(g.Player02(i).Picture));
      }
    }
    return shown;
  }

  Cards strip() const { return shownCards(g.img_card2); }

  double cardsTaken() const { return numberOf(g.TXT_CARD(2).Text); }
  double points() const { return numberOf(g.TXT_POINT(2).Text); }
  double qorzaTotal() const { return numberOf(g.txt_qorza(2).Text); }
};

}  // namespace qorza::testing::computer

// A table and a hand for player 1's tests, set up from card texts ("7H",
// "10D", "JS"), over the fake platform.
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
#include "support/fake_platform.h"

namespace qorza::testing {

// The library's record of a card written as text.
inline CardSlot cardFromText(std::string_view text) {
  const auto face = parseCardText(text);
  if (!face) {
    throw std::invalid_argument("no card " + std::string(text));
  }
  return libraryCard(libraryIndex(face->suit, face->rank));
}

inline std::string textOfPicture(const std::string& picture) {
  const auto face = faceOfPicture(picture);
  return face ? cardText(*face) : std::string("?");
}

struct Player1Table : ::testing::Test {
  FakePlatform platform;
  Game g{platform};

  Player1Table() {
    g.DelayMs = 0;
    g.SoundFolder = "/game/";
    for (int p = 1; p <= 2; ++p) {
      g.TXT_CARD(p).Text = "0";
      g.TXT_POINT(p).Text = "0";
      g.txt_qorza(p).Text = "0";
    }
  }

  // Table slots 1.. in order; an empty text leaves that slot free.
  void table(std::initializer_list<std::string_view> cards) {
    for (auto& slot : g.game) {
      slot = {};
    }
    int s = 1;
    for (std::string_view text : cards) {
      if (!text.empty()) {
        g.game(s) = cardFromText(text);
        g.game(s).Visible = true;
      }
      ++s;
    }
  }

  void hand(int k, std::string_view text) {
    g.Player1(k) = cardFromText(text);
    g.Player1(k).Visible = true;
  }

  // Puts the card in hand position 1 and plays it.
  void play(std::string_view text) {
    hand(1, text);
    H1_player1(g, 1);
  }

  // The cards that show on the table, in slot order.
  std::vector<std::string> tableShows() const {
    std::vector<std::string> shown;
    for (const auto& slot : g.game) {
      if (slot.Visible) {
        shown.push_back(textOfPicture(slot.Picture));
      }
    }
    return shown;
  }

  // Player 1's strip of point cards, as far as it shows.
  std::vector<std::string> strip() const {
    std::vector<std::string> shown;
    for (const auto& slot : g.img_card1) {
      if (slot.Visible) {
        shown.push_back(textOfPicture(slot.Picture));
      }
    }
    return shown;
  }

  std::vector<std::string> sounds() const { return platform.soundFiles(); }
  double cardsTaken() const { return numberOf(g.TXT_CARD(1).Text); }
  double points() const { return numberOf(g.TXT_POINT(1).Text); }
  double qorzaTotal() const { return numberOf(g.txt_qorza(1).Text); }
};

using Sounds = std::vector<std::string>;
using Cards = std::vector<std::string>;

}  // namespace qorza::testing

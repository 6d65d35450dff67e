// Both hands and the table for the computer player's tests, set up from card
// texts ("7H", "10D" the marked ten, "2C" the marked two), over the fake
// platform.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/card_library.h"
#include "game/game_state.h"
#include "game/numbers.h"
#include "rules/player2/player2_play.h"
#include "support/fake_platform.h"

namespace qorza::testing::computer {

inline CardSlot card(std::string_view text) {
  const auto face = parseCardText(text);
  if (!face) {
    throw std::invalid_argument("no card " + std::string(text));
  }
  return libraryCard(libraryIndex(face->suit, face->rank));
}

inline std::string textOf(const std::string& picture) {
  const auto face = faceOfPicture(picture);
  return face ? cardText(*face) : std::string("?");
}

using Cards = std::vector<std::string>;
using Sounds = std::vector<std::string>;

struct ComputerTable : ::testing::Test {
  FakePlatform platform;
  Game g{platform};

  ComputerTable() {
    g.DelayMs = 0;
    g.HandSize = 6;
    g.SkillLevel = 1;
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
        g.game(s) = card(text);
        g.game(s).Visible = true;
      }
      ++s;
    }
  }

  // Player 2's hand in slots 1..: the back shows, the face sits in Player02.
  // An empty text leaves that slot without a card.
  void hand2(std::initializer_list<std::string_view> cards) {
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

  void hand1(std::initializer_list<std::string_view> cards) {
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

  Cards tableShows() const {
    Cards shown;
    for (const auto& slot : g.game) {
      if (slot.Visible) {
        shown.push_back(textOf(slot.Picture));
      }
    }
    return shown;
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

  Cards strip() const {
    Cards shown;
    for (const auto& slot : g.img_card2) {
      if (slot.Visible) {
        shown.push_back(textOf(slot.Picture));
      }
    }
    return shown;
  }

  Sounds sounds() const { return platform.soundFiles(); }
  double cardsTaken() const { return numberOf(g.TXT_CARD(2).Text); }
  double points() const { return numberOf(g.TXT_POINT(2).Text); }
  double qorzaTotal() const { return numberOf(g.txt_qorza(2).Text); }
};

}  // namespace qorza::testing::computer

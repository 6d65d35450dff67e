// SPDX-License-Identifier: GPL-3.0-or-later
// A game over the fake platform with the table set up from card texts
// ("7H", "10D" the marked ten, "2C" the marked two), shared by the tests of
// both players' plays.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/card_library.h"
#include "game/game_state.h"
#include "support/fake_platform.h"

namespace qorza::testing {

using Cards = std::vector<std::string>;
using Sounds = std::vector<std::string>;

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

// The cards that show in a row of slots, in slot order.
template <typename Slots>
Cards shownCards(const Slots& slots) {
  Cards shown;
  for (const auto& slot : slots) {
    if (slot.Visible) {
      shown.push_back(textOfPicture(slot.Picture));
    }
  }
  return shown;
}

struct TableFixture : ::testing::Test {
  FakePlatform platform;
  Game g{platform};

  TableFixture() {
    g.DelayMs = 0;
    g.SoundFolder = "/game/";
    for (int p = 1; p <= 2; ++p) {
      g.TXT_CARD(p).Text = "0";
      g.TXT_POINT(p).Text = "0";
      g.txt_qorza(p).Text = "0";
    }
  }

  // Table slots 1.. in order; an empty text leaves that slot free.
  void table(const std::vector<std::string_view>& cards) {
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

  Cards tableShows() const { return shownCards(g.game); }
  Sounds sounds() const { return platform.soundFiles(); }
};

}  // namespace qorza::testing

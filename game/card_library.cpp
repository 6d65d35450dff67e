// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/card_library.h"

#include <array>
#include <stdexcept>

#include "game/card_values.h"
#include "game/numbers.h"

namespace qorza {

namespace {

// Library index of each card, one row per suit in rank order Ace .. King.
// The seven of diamonds stands at 44 so that 1..44 hold no Queen or King.
constexpr std::array<std::array<int, 13>, 4> kIndexTable = {{
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 45, 46},
    {12, 13, 14, 15, 16, 17, 44, 18, 19, 20, 21, 47, 48},
    {22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 49, 50},
    {33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 51, 52},
}};

constexpr std::array<std::string_view, 4> kSuitIds = {"spade", "diamond", "heart", "club"};
constexpr std::array<char, 4> kSuitLetters = {'S', 'D', 'H', 'C'};
constexpr std::array<std::string_view, 13> kRankTexts = {"A", "2", "3",  "4", "5", "6", "7",
                                                         "8", "9", "10", "J", "Q", "K"};

std::string rankId(int rank) {
  switch (rank) {
    case kJack:
      return "jack";
    case kQueen:
      return "queen";
    case kKing:
      return "king";
    default:
      return std::to_string(rank);
  }
}

void checkFace(CardFace face) {
  const int s = static_cast<int>(face.suit);
  if (s < 1 || s > 4 || face.rank < kAce || face.rank > kKing) {
    throw std::out_of_range("no such card");
  }
}

}  // namespace

int valueOfTag(std::string_view tag) { return static_cast<int>(numberOf(tag)); }

void copyCard(CardSlot& to, const CardSlot& from) {
  to.Picture = from.Picture;
  to.Tag = from.Tag;
  to.ToolTipText = from.ToolTipText;
}

int libraryIndex(Suit suit, int rank) {
  checkFace({suit, rank});
  return kIndexTable[static_cast<std::size_t>(suit) - 1][static_cast<std::size_t>(rank) - 1];
}

CardFace faceOfLibraryIndex(int index) {
  for (std::size_t s = 0; s < kIndexTable.size(); ++s) {
    for (std::size_t r = 0; r < kIndexTable[s].size(); ++r) {
      if (kIndexTable[s][r] == index) {
        return {static_cast<Suit>(s + 1), static_cast<int>(r + 1)};
      }
    }
  }
  throw std::out_of_range("library index " + std::to_string(index) + " outside 1..52");
}

CardSlot libraryCard(int index) {
  const CardFace face = faceOfLibraryIndex(index);
  CardSlot card;
  card.Picture = facePicture(face);
  card.Tag = std::to_string(face.rank);
  if (index == 20) {
    card.ToolTipText = "10";  // the ten of diamonds
  } else if (index == 34) {
    card.ToolTipText = "2";  // the two of clubs
  }
  return card;
}

Picture facePicture(CardFace face) {
  checkFace(face);
  return std::string(kSuitIds[static_cast<std::size_t>(face.suit) - 1]) + "_" + rankId(face.rank);
}

std::optional<CardFace> faceOfPicture(std::string_view picture) {
  for (int s = 1; s <= 4; ++s) {
    for (int r = kAce; r <= kKing; ++r) {
      if (picture == facePicture({static_cast<Suit>(s), r})) {
        return CardFace{static_cast<Suit>(s), r};
      }
    }
  }
  return std::nullopt;
}

std::string cardText(CardFace face) {
  checkFace(face);
  return std::string(kRankTexts[static_cast<std::size_t>(face.rank) - 1]) +
         kSuitLetters[static_cast<std::size_t>(face.suit) - 1];
}

std::optional<CardFace> parseCardText(std::string_view text) {
  if (text.size() < 2) {
    return std::nullopt;
  }
  const std::string_view rank = text.substr(0, text.size() - 1);
  const char suit = text.back();
  for (int s = 1; s <= 4; ++s) {
    if (kSuitLetters[static_cast<std::size_t>(s) - 1] != suit) {
      continue;
    }
    for (int r = kAce; r <= kKing; ++r) {
      if (kRankTexts[static_cast<std::size_t>(r) - 1] == rank) {
        return CardFace{static_cast<Suit>(s), r};
      }
    }
  }
  return std::nullopt;
}

}  // namespace qorza

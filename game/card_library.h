// SPDX-License-Identifier: GPL-3.0-or-later
// The card record every slot holds, and the fixed library of 52 cards
// (indexes 1..44 hold every card but the Queens and Kings, 45..52 those).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/short_decimal.h"

namespace qorza {

// A picture reference: the element id of a card face ("diamond_10"), or of a
// card back ("back" for the deck's own, "back-1" .. "back-8" for the designs).
using Picture = std::string;

struct CardSlot {
  std::string Picture;      // a Picture reference
  std::string Tag;          // rank as decimal text, "1" Ace .. "13" King
  std::string ToolTipText;  // "10" on the ten of diamonds, "2" on the two of clubs
  bool Visible = false;
  bool Enabled = true;  // player 1's hand only
};

// Rank read from a Tag by the leading-number rule (empty Tag: 0).
int valueOfTag(std::string_view tag);

// Rank read from a slot's Tag by the leading-number rule (empty Tag: 0). A
// Tag of one or two digits, as every dealt card has, is read on the spot.
inline int valueOf(const CardSlot& slot) {
  const int value = shortDecimal(slot.Tag);
  return value >= 0 ? value : valueOfTag(slot.Tag);
}

// Copies Picture, Tag and ToolTipText; Visible is set separately.
void copyCard(CardSlot& to, const CardSlot& from);

enum class Suit { Spades = 1, Diamonds = 2, Hearts = 3, Clubs = 4 };

struct CardFace {
  Suit suit;
  int rank;  // 1 Ace .. 13 King
};

constexpr int kLibrarySize = 52;

// The library index of a suit and rank, and back.
int libraryIndex(Suit suit, int rank);
CardFace faceOfLibraryIndex(int index);

// A card record as the library holds it: face picture, Tag, point marker.
CardSlot libraryCard(int index);

// The element id of a face picture, and the face a picture shows (none for a
// back or an empty picture).
Picture facePicture(CardFace face);
std::optional<CardFace> faceOfPicture(std::string_view picture);

// Script notation: rank then suit, "10D", "AS", "QC".
std::string cardText(CardFace face);
std::optional<CardFace> parseCardText(std::string_view text);

// The deck's own back picture.
inline const Picture kDeckBack = "back";

}  // namespace qorza

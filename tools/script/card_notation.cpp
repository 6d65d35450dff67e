// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/card_notation.h"

#include <array>

#include "game/card_values.h"

namespace qorza::script {

namespace {

// Every library card by suit and rank: its record and its script text.
struct LibraryFaces {
  std::array<std::array<CardSlot, 14>, 4> record{};  // [suit - 1][rank]; rank 0 unused
  std::array<std::array<std::string, 14>, 4> text{};

  LibraryFaces() {
    for (int i = 1; i <= kLibrarySize; ++i) {
      const CardFace face = faceOfLibraryIndex(i);
      const auto s = static_cast<std::size_t>(face.suit) - 1;
      const auto r = static_cast<std::size_t>(face.rank);
      record[s][r] = libraryCard(i);
      text[s][r] = cardText(face);
    }
  }
};

const LibraryFaces kFaces;

const CardSlot& libraryRecord(CardFace face) {
  return kFaces
      .record[static_cast<std::size_t>(face.suit) - 1][static_cast<std::size_t>(face.rank)];
}

const std::string& libraryText(CardFace face) {
  return kFaces.text[static_cast<std::size_t>(face.suit) - 1][static_cast<std::size_t>(face.rank)];
}

// A picture's suit from its first letter, 0 when none.
int suitOfPicture(const Picture& picture) {
  switch (picture.empty() ? '\0' : picture[0]) {
    case 's':
      return static_cast<int>(Suit::Spades);
    case 'd':
      return static_cast<int>(Suit::Diamonds);
    case 'h':
      return static_cast<int>(Suit::Hearts);
    case 'c':
      return static_cast<int>(Suit::Clubs);
    default:
      return 0;
  }
}

// A picture's rank guessed from its last letter ("_7", "_10", "_jack",
// "_queen", "_king"), 0 when none fits; the caller checks the whole name.
int rankOfPicture(const Picture& picture) {
  if (picture.empty()) {
    return 0;
  }
  const char last = picture.back();
  switch (last) {
    case 'k':
      return kJack;
    case 'n':
      return kQueen;
    case 'g':
      return kKing;
    case '0':
      return 10;
    default:
      return last >= '1' && last <= '9' ? last - '0' : 0;
  }
}

// The face a picture shows: read from its name, then checked against the
// library's picture of that face.
std::optional<CardFace> faceOf(const Picture& picture) {
  const int suit = suitOfPicture(picture);
  const int rank = rankOfPicture(picture);
  if (suit == 0 || rank == 0 ||
      libraryRecord(CardFace{static_cast<Suit>(suit), rank}).Picture != picture) {
    return std::nullopt;
  }
  return CardFace{static_cast<Suit>(suit), rank};
}

}  // namespace

std::optional<int> parseSlotCard(std::string_view text) {
  if (text == "-") {
    return 0;
  }
  const auto face = parseCardText(text);
  if (!face) {
    return std::nullopt;
  }
  return libraryIndex(face->suit, face->rank);
}

std::string pictureText(const Picture& picture) {
  const auto face = faceOf(picture);
  return face ? libraryText(*face) : picture;
}

const std::string* libraryCardText(const CardSlot& slot) {
  const auto face = faceOf(slot.Picture);
  if (!face) {
    return nullptr;
  }
  const CardSlot& library = libraryRecord(*face);
  const bool same = library.Tag == slot.Tag && library.ToolTipText == slot.ToolTipText;
  return same ? &libraryText(*face) : nullptr;
}

std::string slotText(const CardSlot& slot) {
  if (const std::string* text = libraryCardText(slot)) {
    return *text;
  }
  return slot.Picture + "|" + slot.Tag + "|" + slot.ToolTipText;
}

}  // namespace qorza::script

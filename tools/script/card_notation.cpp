#include "tools/script/card_notation.h"

#include <array>

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

// A picture's rank from what follows its '_', 0 when none.
int rankOfPicture(const Picture& picture) {
  const std::size_t under = picture.find('_');
  if (under == Picture::npos) {
    return 0;
  }
  const std::string_view id = std::string_view(picture).substr(under + 1);
  if (id == "jack") return 11;
  if (id == "queen") return 12;
  if (id == "king") return 13;
  if (id.size() == 1 && id[0] >= '1' && id[0] <= '9') return id[0] - '0';
  return id == "10" ? 10 : 0;
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

std::string slotText(const CardSlot& slot) {
  const auto face = faceOf(slot.Picture);
  if (face) {
    const CardSlot& library = libraryRecord(*face);
    if (library.Tag == slot.Tag && library.ToolTipText == slot.ToolTipText) {
      return libraryText(*face);
    }
  }
  return slot.Picture + "|" + slot.Tag + "|" + slot.ToolTipText;
}

}  // namespace qorza::script

#include "tools/script/card_notation.h"

#include <array>
#include <unordered_map>

namespace qorza::script {

namespace {

// The face a picture shows, looked up in a table built once.
std::optional<CardFace> faceOf(const Picture& picture) {
  static const std::unordered_map<std::string, CardFace> faces = [] {
    std::unordered_map<std::string, CardFace> map;
    for (int i = 1; i <= kLibrarySize; ++i) {
      map.emplace(libraryCard(i).Picture, faceOfLibraryIndex(i));
    }
    return map;
  }();
  const auto found = faces.find(picture);
  return found == faces.end() ? std::nullopt : std::optional<CardFace>(found->second);
}

// The library's card records, built once.
const CardSlot& libraryRecord(CardFace face) {
  static const std::array<CardSlot, kLibrarySize + 1> cards = [] {
    std::array<CardSlot, kLibrarySize + 1> all{};
    for (int i = 1; i <= kLibrarySize; ++i) {
      all[static_cast<std::size_t>(i)] = libraryCard(i);
    }
    return all;
  }();
  return cards[static_cast<std::size_t>(libraryIndex(face.suit, face.rank))];
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
  return face ? cardText(*face) : picture;
}

std::string slotText(const CardSlot& slot) {
  const auto face = faceOf(slot.Picture);
  if (face) {
    const CardSlot& library = libraryRecord(*face);
    if (library.Tag == slot.Tag && library.ToolTipText == slot.ToolTipText) {
      return cardText(*face);
    }
  }
  return slot.Picture + "|" + slot.Tag + "|" + slot.ToolTipText;
}

}  // namespace qorza::script

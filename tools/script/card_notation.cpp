#include "tools/script/card_notation.h"

namespace qorza::script {

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
  const auto face = faceOfPicture(picture);
  return face ? cardText(*face) : picture;
}

std::string slotText(const CardSlot& slot) {
  const auto face = faceOfPicture(slot.Picture);
  if (face) {
    const CardSlot library = libraryCard(libraryIndex(face->suit, face->rank));
    if (library.Tag == slot.Tag && library.ToolTipText == slot.ToolTipText) {
      return cardText(*face);
    }
  }
  return slot.Picture + "|" + slot.Tag + "|" + slot.ToolTipText;
}

}  // namespace qorza::script

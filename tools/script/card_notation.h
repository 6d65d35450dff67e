// SPDX-License-Identifier: GPL-3.0-or-later
// Cards as scripts write them ("10D", "AS", "-" for an empty slot), and the
// text a dump shows for a slot.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/card_library.h"

namespace qorza::script {

// A slot as written: a library index 1..52, or 0 for "-".
std::optional<int> parseSlotCard(std::string_view text);

// The card a face picture shows ("7H"); the picture itself otherwise.
std::string pictureText(const Picture& picture);

// The card a slot holds. A slot whose Tag or mark disagrees with its picture
// shows all three ("diamond_7|8|"), so a mix-up never passes unseen.
std::string slotText(const CardSlot& slot);

// slotText of a slot that holds a library card as it is ("7H"); null for
// any other slot. The text lasts as long as the program.
const std::string* libraryCardText(const CardSlot& slot);

}  // namespace qorza::script

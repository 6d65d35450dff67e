// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/state_check.h"

#include <string_view>

#include "game/bounds.h"
#include "game/card_values.h"
#include "game/flow/deal.h"
#include "game/game_state.h"

namespace qorza::script {

namespace {

bool isPointCard(const CardSlot& card) { return pointsOf(valueOf(card), card.ToolTipText) != 0; }

// Point cards the next plays may take: on the table and in both hands.
int pointCardsInPlay(const Game& g) {
  int count = 0;
  auto add = [&count](const CardSlot& card) { count += card.Visible && isPointCard(card) ? 1 : 0; };
  for (int i = 1; i <= 10; ++i) add(g.game(i));
  for (int i = 1; i <= 6; ++i) {
    add(g.Player1(i));
    add(g.Player2(i));
  }
  return count;
}

std::optional<std::string> sizesAndCounters(const Game& g) {
  if (!bounds::isVariant(g.DeckSize, g.HandSize)) {
    return "a " + std::to_string(g.DeckSize) + "-card deck is not dealt in hands of " +
           std::to_string(g.HandSize);
  }
  if (g.TurnInHand >= g.HandSize) {
    return "TurnInHand " + std::to_string(g.TurnInHand) + " is not below HandSize " +
           std::to_string(g.HandSize);
  }
  if (!stockExhausted(g) && g.DealtCount + 2 * g.HandSize > g.DeckSize) {
    return "DealtCount " + std::to_string(g.DealtCount) + " leaves no whole hands in a " +
           std::to_string(g.DeckSize) + "-card deck";
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> unplayableState(const Game& g) {
  if (auto error = sizesAndCounters(g)) return error;
  const int inPlay = pointCardsInPlay(g);
  for (const int next : {g.CardImgNext1, g.CardImgNext2}) {
    if (next - 1 + inPlay > 10) {
      return std::to_string(inPlay) +
             " point cards in play do not fit on a point strip from place " + std::to_string(next);
    }
  }
  return std::nullopt;
}

bool isUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    int more = 0;
    unsigned lowest = 0;
    unsigned code = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      more = 1, lowest = 0x80, code = c & 0x1Fu;
    } else if (c >= 0xE0 && c <= 0xEF) {
      more = 2, lowest = 0x800, code = c & 0x0Fu;
    } else if (c >= 0xF0 && c <= 0xF4) {
      more = 3, lowest = 0x10000, code = c & 0x07u;
    } else {
      return false;
    }
    if (text.size() - i <= static_cast<std::size_t>(more)) {
      return false;
    }
    for (int k = 1; k <= more; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0u) != 0x80u) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(more) + 1;
  }
  return true;
}

}  // namespace qorza::script

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/compact/from_game.h"

#include <cmath>

#include "game/card_library.h"
#include "game/game_state.h"
#include "game/numbers.h"

namespace qorza::compact {

namespace {

int counter(const TextBox& box) { return static_cast<int>(roundHalfEven(numberOf(box.Text))); }

}  // namespace

CardId cardIdOf(const CardSlot& slot) {
  const int rank = valueOf(slot);
  if (const auto face = faceOfPicture(slot.Picture); face && face->rank == rank) {
    return static_cast<CardId>(libraryIndex(face->suit, face->rank));
  }
  for (int id = 1; id <= kDeckCards; ++id) {
    const CardSlot card = libraryCard(id);
    if (valueOf(card) == rank && card.ToolTipText == slot.ToolTipText) {
      return static_cast<CardId>(id);
    }
  }
  return 1;  // a slot without a card's rank: read as the Ace of spades
}

Position publicPart(const Game& g) {
  Position p;
  p.deckSize = g.DeckSize;
  p.handSize = g.HandSize;
  p.dealtCount = g.DealtCount;
  for (int i = 1; i <= kTableSlots; ++i) {
    if (g.game(i).Visible) {
      p.table[static_cast<std::size_t>(i - 1)] = cardIdOf(g.game(i));
    }
  }
  for (int player = 1; player <= 2; ++player) {
    const auto at = static_cast<std::size_t>(player - 1);
    p.cards[at] = counter(g.TXT_CARD(player));
    p.points[at] = counter(g.TXT_POINT(player));
    p.qorzaHalves[at] = static_cast<int>(roundHalfEven(2 * numberOf(g.txt_qorza(player).Text)));
  }
  return p;
}

Position positionOf(const Game& g) {
  Position p = publicPart(g);
  for (int i = 1; i <= g.HandSize; ++i) {
    const auto at = static_cast<std::size_t>(i - 1);
    if (g.Player1(i).Visible) {
      p.hands[0][at] = cardIdOf(g.Player1(i));
    }
    if (g.Player2(i).Visible) {
      CardSlot face = g.Player2(i);
      face.Picture = g.Player02(i).Picture;
      p.hands[1][at] = cardIdOf(face);
    }
  }
  for (int i = 1; i <= g.DeckSize; ++i) {
    p.stock[static_cast<std::size_t>(i - 1)] = cardIdOf(g.card(i));
  }
  return p;
}

}  // namespace qorza::compact

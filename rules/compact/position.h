// SPDX-License-Identifier: GPL-3.0-or-later
// A deal in a few small arrays, for the expert's search: cards are library
// indexes (1..52, 0 an empty place), the table and hands keep the window's
// slot order, and a play changes the counters exactly as the slot model's
// rules do for that player (the agreement test plays both on many positions).
#pragma once

#include <array>
#include <cstdint>

namespace qorza::compact {

using CardId = std::uint8_t;  // a library index, 0 for no card

inline constexpr int kTableSlots = 10;
inline constexpr int kHandSlots = 6;
inline constexpr int kDeckCards = 52;

// What a card is to the rules: its rank and its points.
int rankOf(CardId id);
int pointsOfCard(CardId id);
bool isMarkedTwoCard(CardId id);
bool isMarkedTenCard(CardId id);

// The sounds a play asks for, in the slot model's names.
enum class Sound : std::uint8_t { Ace, Two, Ten, JackTakes, JackOnEmpty, Qorza };

// What one play did: the sounds it asked for, in order.
struct PlayEffects {
  std::array<Sound, 12> sounds{};
  int soundCount = 0;
  void add(Sound s) {
    if (soundCount < static_cast<int>(sounds.size())) {
      sounds[static_cast<std::size_t>(soundCount++)] = s;
    }
  }
};

struct Position {
  int deckSize = 52;
  int handSize = 6;
  int dealtCount = 0;  // stock cards dealt so far (the table's four among them)
  std::array<CardId, kTableSlots> table{};
  std::array<std::array<CardId, kHandSlots>, 2> hands{};  // [0] player 1, [1] player 2
  std::array<CardId, kDeckCards> stock{};                 // the deck in dealing order
  std::array<int, 2> cards{};                             // cards taken
  std::array<int, 2> points{};                            // points of point cards
  std::array<int, 2> qorzaHalves{};                       // Qorza worth, in halves

  int handCount(int player) const;
  int tableCount() const;
  // Player 0 leads every turn: with equal hands player 0 is to play.
  int toMove() const { return handCount(0) < handCount(1) ? 1 : 0; }
  bool stockUsedUp() const;
  bool dealOver() const { return handCount(0) == 0 && handCount(1) == 0 && stockUsedUp(); }
};

// Player 1 (index 0) plays the card in hand slot `slot` (0-based) with player
// 1's rules; player 2 (index 1) with the computer's rules for a chosen card.
void playPlayer1(Position& p, int slot, PlayEffects* effects = nullptr);
void playPlayer2(Position& p, int slot, PlayEffects* effects = nullptr);

// The play of whoever is to move, then, once both hands are empty, the next
// hands from the stock (player 1's first), as the turn cycle deals them.
void play(Position& p, int slot);

// Deals the next hands when both are empty and the stock has cards left.
void dealNextHands(Position& p);

// The deal's result for player `me` (0 or 1) once it is over: Qorza worth,
// points and the 3-card bonus, own minus the other's, in halves.
int dealMarginHalves(const Position& p, int me);

}  // namespace qorza::compact

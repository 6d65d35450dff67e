// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/reachable_position.h"

#include <array>
#include <cmath>
#include <map>

#include "game/bounds.h"
#include "game/card_values.h"
#include "game/game_state.h"
#include "game/numbers.h"

namespace qorza {

namespace {

using Problem = std::optional<std::string>;

std::string at(const char* field, int i) { return std::string(field) + "." + std::to_string(i); }

Problem problem(const std::string& where, const std::string& what) { return where + ": " + what; }

// The library index of the card a picture shows, 0 for none.
int indexOfPicture(const std::string& picture) {
  static const std::map<std::string, int> indexes = [] {
    std::map<std::string, int> built;
    for (int i = 1; i <= kLibrarySize; ++i) {
      built[libraryCard(i).Picture] = i;
    }
    return built;
  }();
  const auto found = indexes.find(picture);
  return found == indexes.end() ? 0 : found->second;
}

// The card a slot holds when it is a card of the deck in play with its own
// rank and mark, else 0. Player 2's hand keeps the face apart from the rank
// and mark, so the picture comes on its own.
int deckCard(const std::string& picture, const CardSlot& marks, int deckSize) {
  const int index = indexOfPicture(picture);
  if (index == 0 || index > deckSize) {
    return 0;
  }
  const CardSlot own = libraryCard(index);
  return marks.Tag == own.Tag && marks.ToolTipText == own.ToolTipText ? index : 0;
}

int pointsOfCard(int index) {
  const CardSlot card = libraryCard(index);
  return pointsOf(valueOf(card), card.ToolTipText);
}

// A counter that holds a whole number of 0 or more, as play writes them.
std::optional<long long> countIn(const TextBox& box) {
  const double value = numberOf(box.Text);
  if (!(value >= 0 && value <= kNumberLimit) || value != std::floor(value)) {
    return std::nullopt;
  }
  return static_cast<long long>(value);
}

// A copy of the generator draws deck positions as the shuffle does (a draw
// times the deck size, plus one, rounded down) until it has drawn every
// one: a state that cannot, such as all zeros, would shuffle for ever.
bool canShuffle(Random rng, int deckSize) {
  constexpr int kDraws = 20000;  // a sound generator needs a few hundred
  std::array<bool, kLibrarySize + 2> drawn{};
  int distinct = 0;
  for (int n = 0; n < kDraws && distinct < deckSize; ++n) {
    const auto position =
        static_cast<std::size_t>(std::floor(static_cast<double>(rng.next()) * deckSize + 1.0));
    if (position < drawn.size() && !drawn[position]) {
      drawn[position] = true;
      ++distinct;
    }
  }
  return distinct == deckSize;
}

// The deck a test or tool set for the next deal: every card of the deck
// once, or none.
Problem checkPresetDeck(const Game& g) {
  if (g.presetDeck.empty()) {
    return std::nullopt;
  }
  std::array<bool, kLibrarySize + 1> seen{};
  bool whole = static_cast<int>(g.presetDeck.size()) == g.DeckSize;
  for (const int index : g.presetDeck) {
    whole = whole && index >= 1 && index <= g.DeckSize && !seen[static_cast<std::size_t>(index)];
    if (whole) {
      seen[static_cast<std::size_t>(index)] = true;
    }
  }
  return whole ? Problem() : problem("presetDeck", "not each card of the deck once");
}

// Before the first deal no card shows anywhere.
Problem checkNothingDealt(const Game& g) {
  const auto anyShown = [](const auto& slots) {
    for (const auto& slot : slots) {
      if (slot.Visible) return true;
    }
    return false;
  };
  if (anyShown(g.game) || anyShown(g.Player1) || anyShown(g.Player2) || anyShown(g.img_card1) ||
      anyShown(g.img_card2) || g.TurnInHand != 0 || g.CardImgNext1 != 1 || g.CardImgNext2 != 1) {
    return problem("DealtCount", "no card dealt, yet cards in play");
  }
  return std::nullopt;
}

// Where each card of the deck is: the stock, the table and the hands; each
// may hold it once.
class Census {
 public:
  explicit Census(int deckSize) : deckSize_(deckSize) {}

  Problem add(const std::string& picture, const CardSlot& marks, const std::string& where) {
    const int index = deckCard(picture, marks, deckSize_);
    if (index == 0) {
      return problem(where, "no card of a " + std::to_string(deckSize_) + "-card deck");
    }
    if (!place_[static_cast<std::size_t>(index)].empty()) {
      return problem(where, picture + " is also at " + place_[static_cast<std::size_t>(index)]);
    }
    place_[static_cast<std::size_t>(index)] = where;
    ++count_;
    pointCards_ += pointsOfCard(index) != 0 ? 1 : 0;
    return std::nullopt;
  }

  bool holds(int index) const { return !place_[static_cast<std::size_t>(index)].empty(); }
  int count() const { return count_; }
  int pointCards() const { return pointCards_; }
  int deckSize() const { return deckSize_; }

 private:
  int deckSize_;
  std::array<std::string, kLibrarySize + 1> place_{};
  int count_ = 0;
  int pointCards_ = 0;
};

Problem checkInPlay(const Game& g, Census& census) {
  for (int i = g.DealtCount + 1; i <= g.DeckSize; ++i) {
    if (auto p = census.add(g.card(i).Picture, g.card(i), at("card", i))) return p;
  }
  for (int i = 1; i <= 10; ++i) {
    if (!g.game(i).Visible) continue;
    if (auto p = census.add(g.game(i).Picture, g.game(i), at("game", i))) return p;
  }
  const int held = g.HandSize - g.TurnInHand;
  int hand1 = 0;
  int hand2 = 0;
  for (int i = 1; i <= 6; ++i) {
    if (g.Player1(i).Visible) {
      if (i > g.HandSize) return problem(at("Player1", i), "past the hand size");
      if (auto p = census.add(g.Player1(i).Picture, g.Player1(i), at("Player1", i))) return p;
      ++hand1;
    }
    if (g.Player2(i).Visible) {
      if (i > g.HandSize) return problem(at("Player2", i), "past the hand size");
      if (auto p = census.add(g.Player02(i).Picture, g.Player2(i), at("Player02", i))) return p;
      ++hand2;
    }
  }
  if (hand1 != held || hand2 != held) {
    return problem("Player1", "hands of " + std::to_string(hand1) + " and " +
                                  std::to_string(hand2) + " cards after " +
                                  std::to_string(g.TurnInHand) + " turns");
  }
  return std::nullopt;
}

// A point-card strip shows its cards from its first place on, each a point
// card no longer in play; its player's points are theirs.
template <typename Strip>
Problem checkStrip(const Census& census, const Strip& strip, int next, const TextBox& points,
                   int player, int* entries) {
  const std::string name = "img_card" + std::to_string(player);
  int sum = 0;
  for (int i = 1; i <= 10; ++i) {
    if (strip(i).Visible != (i < next)) {
      return problem(at(name.c_str(), i), "not as the strip's next place says");
    }
    if (!strip(i).Visible) continue;
    const int index = indexOfPicture(strip(i).Picture);
    if (index == 0 || index > census.deckSize() || pointsOfCard(index) == 0 ||
        census.holds(index)) {
      return problem(at(name.c_str(), i), "no point card taken");
    }
    sum += pointsOfCard(index);
  }
  if (numberOf(points.Text) != sum) {
    return problem("TXT_POINT." + std::to_string(player), "not the points of the strip");
  }
  *entries = next - 1;
  return std::nullopt;
}

Problem checkTaken(const Game& g, const Census& census) {
  long long taken = 0;
  for (int p = 1; p <= 2; ++p) {
    const auto count = countIn(g.TXT_CARD(p));
    if (!count) return problem(at("TXT_CARD", p), "no count of cards");
    taken += *count;
  }
  if (taken + census.count() != g.DeckSize) {
    return problem("TXT_CARD", "cards taken and in play make " +
                                   std::to_string(taken + census.count()) + ", not " +
                                   std::to_string(g.DeckSize));
  }
  int entries1 = 0;
  int entries2 = 0;
  if (auto p = checkStrip(census, g.img_card1, g.CardImgNext1, g.TXT_POINT(1), 1, &entries1)) {
    return p;
  }
  if (auto p = checkStrip(census, g.img_card2, g.CardImgNext2, g.TXT_POINT(2), 2, &entries2)) {
    return p;
  }
  int pointCards = 0;
  for (int i = 1; i <= g.DeckSize; ++i) {
    pointCards += pointsOfCard(i) != 0 ? 1 : 0;
  }
  if (entries1 + entries2 + census.pointCards() > pointCards) {
    return problem("img_card1", "more point cards than the deck holds");
  }
  return std::nullopt;
}

Problem checkDealt(const Game& g) {
  const int hands = 2 * g.HandSize;
  if (g.DealtCount < 4 + hands || g.DealtCount > g.DeckSize || (g.DealtCount - 4) % hands != 0) {
    return problem("DealtCount", "not the opening four and whole hands of the deck");
  }
  Census census(g.DeckSize);
  if (auto p = checkInPlay(g, census)) return p;
  return checkTaken(g, census);
}

}  // namespace

std::optional<std::string> unreachablePosition(const Game& g) {
  if (!bounds::isVariant(g.DeckSize, g.HandSize)) {
    return problem("HandSize", "a " + std::to_string(g.DeckSize) +
                                   "-card deck is not dealt in hands of " +
                                   std::to_string(g.HandSize));
  }
  if (g.TurnInHand < 0 || g.TurnInHand >= g.HandSize) {
    return problem("TurnInHand", "a hand of " + std::to_string(g.HandSize) + " cards has no turn " +
                                     std::to_string(g.TurnInHand + 1));
  }
  if (g.ScoreTable(1) < 0 || g.ScoreTable(2) < 0) {
    return problem("ScoreTable", "a score below 0");
  }
  if (auto p = checkPresetDeck(g)) return p;
  if (!canShuffle(g.rng, g.DeckSize)) {
    return problem("rng", "a generator that cannot shuffle the deck");
  }
  return g.DealtCount == 0 ? checkNothingDealt(g) : checkDealt(g);
}

}  // namespace qorza

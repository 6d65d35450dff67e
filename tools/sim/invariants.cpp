// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/invariants.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "game/card_values.h"
#include "game/game_state.h"
#include "game/numbers.h"
#include "tools/script/card_notation.h"

namespace qorza::sim {

namespace {

template <typename Message>
void require(bool ok, Message what) {
  if (!ok) {
    throw InvariantError(what());
  }
}

// Points of a card as the deal's scoring counts them, worked out here apart
// from game/card_values.h as an independent check of the game's counting.
int pointsOf(const CardSlot& card) {
  const int v = valueOf(card);
  if (v == kAce || v == kJack) return 1;
  if (v == 2 && card.ToolTipText == "2") return 2;
  if (v == 10 && card.ToolTipText == "10") return 3;
  return 0;
}

int shownOn(const Game& g) {
  int n = 0;
  for (const CardSlot& slot : g.game) {
    n += slot.Visible ? 1 : 0;
  }
  return n;
}

template <typename Hand>
int shownIn(const Game& g, const Hand& hand) {
  int n = 0;
  for (int i = 1; i <= g.HandSize; ++i) {
    n += hand(i).Visible ? 1 : 0;
  }
  return n;
}

// The library's cards, and their indexes by a picture's first and last
// letters, built before main. The letters only point to a card; the check
// then compares the whole slot with it.
struct LibraryCards {
  std::array<CardSlot, kLibrarySize + 1> card{};
  std::array<std::uint8_t, 256> suitRow{};     // 's' 0 .. 'c' 3, else 4
  std::array<std::uint8_t, 256> rankOfLast{};  // "_7" 7, "_10" 10, "_jack" 11 ..
  std::array<std::array<int, 14>, 5> index{};  // [suitRow][rank]; 0 names no card

  LibraryCards() {
    suitRow.fill(4);
    for (int i = 1; i <= kLibrarySize; ++i) {
      card[static_cast<std::size_t>(i)] = libraryCard(i);
      const CardFace face = faceOfLibraryIndex(i);
      const Picture& picture = card[static_cast<std::size_t>(i)].Picture;
      const auto row = static_cast<std::uint8_t>(static_cast<int>(face.suit) - 1);
      suitRow[static_cast<unsigned char>(picture.front())] = row;
      rankOfLast[static_cast<unsigned char>(picture.back())] = static_cast<std::uint8_t>(face.rank);
      index[row][static_cast<std::size_t>(face.rank)] = i;
    }
  }
};

const LibraryCards kLibrary;

// The library index a picture's first and last letters point to; 0 when
// they name no card. Whether the slot really is that card is left to the
// caller.
[[gnu::always_inline]] inline int libraryIndexOf(const std::string& picture) {
  const char* text = picture.c_str();  // "" reads its terminating 0 twice
  const auto first = static_cast<unsigned char>(text[0]);
  const auto last = static_cast<unsigned char>(text[picture.size() - (picture.empty() ? 0 : 1)]);
  return kLibrary.index[kLibrary.suitRow[first]][kLibrary.rankOfLast[last]];
}

// Equal texts. Tags and marks have at most two letters: compared on the
// spot, without a branch on their length.
[[gnu::always_inline]] inline bool sameShortText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) {
    return false;
  }
  if (a.size() > 2) {
    return a == b;
  }
  if (a.empty()) {
    return true;
  }
  return (a[0] == b[0]) & (a.c_str()[1] == b.c_str()[1]);  // 1 letter: both read their 0
}

// Equal pictures. A card's picture has 6 to 13 letters: read as two words
// that overlap in the middle, never past its last letter.
[[gnu::always_inline]] inline bool samePicture(const std::string& a, const std::string& b) {
  const std::size_t n = a.size();
  if (n != b.size()) {
    return false;
  }
  if (n < 4 || n > 16) {
    return a == b;
  }
  const auto words = [n](const std::string& s, auto word) {
    const std::size_t w = sizeof word;
    decltype(word) first{};
    decltype(word) last{};
    std::memcpy(&first, s.data(), w);
    std::memcpy(&last, s.data() + n - w, w);
    return std::pair{first, last};
  };
  if (n < 8) {
    const auto [a0, a1] = words(a, std::uint32_t{});
    const auto [b0, b1] = words(b, std::uint32_t{});
    return ((a0 ^ b0) | (a1 ^ b1)) == 0;
  }
  const auto [a0, a1] = words(a, std::uint64_t{});
  const auto [b0, b1] = words(b, std::uint64_t{});
  return ((a0 ^ b0) | (a1 ^ b1)) == 0;
}

// Counts each face once; a slot that is no library card, or a second sighting
// of one, is an error. The picture is passed apart from the slot's Tag and
// mark, as player 2's hand keeps them in two slots.
class FaceRegister {
 public:
  [[gnu::always_inline]] void add(const std::string& picture, const CardSlot& card,
                                  const char* place, int i) {
    const int index = libraryIndexOf(picture);
    const CardSlot& known = kLibrary.card[static_cast<std::size_t>(index)];
    if (index == 0 || !sameShortText(known.Tag, card.Tag) ||
        !sameShortText(known.ToolTipText, card.ToolTipText) ||
        !samePicture(known.Picture, picture)) {
      fail(picture, card, place, i, false);
    }
    if (seen_[static_cast<std::size_t>(index)]) {
      fail(picture, card, place, i, true);
    }
    seen_[static_cast<std::size_t>(index)] = true;
  }

 private:
  // Kept out of add so that the check itself stays small.
  [[noreturn, gnu::cold, gnu::noinline]] static void fail(const std::string& picture,
                                                          const CardSlot& card, const char* place,
                                                          int i, bool twice) {
    CardSlot whole = card;
    whole.Picture = picture;
    const std::string shown = script::slotText(whole);
    const std::string where = std::string(place) + " " + std::to_string(i);
    throw InvariantError(twice ? shown + " appears twice (" + where + ")"
                               : where + " holds " + shown);
  }

  std::array<bool, kLibrarySize + 1> seen_{};
};

void checkFaces(const Game& g) {
  FaceRegister faces;
  for (int i = 1; i <= 10; ++i) {
    if (g.game(i).Visible) faces.add(g.game(i).Picture, g.game(i), "table slot", i);
  }
  for (int i = 1; i <= 6; ++i) {
    if (g.Player1(i).Visible) faces.add(g.Player1(i).Picture, g.Player1(i), "hand 1 position", i);
    if (g.Player2(i).Visible) faces.add(g.Player02(i).Picture, g.Player2(i), "hand 2 position", i);
  }
}

}  // namespace

bool tableIsFull(const Game& g) { return shownOn(g) == 10; }

void checkAfterPlay(const Game& g) {
  checkFaces(g);
  const long long taken = wholeNumberOf(g.TXT_CARD(1).Text) + wholeNumberOf(g.TXT_CARD(2).Text);
  const int inStock = g.DeckSize - g.DealtCount;
  const long long total =
      taken + shownOn(g) + shownIn(g, g.Player1) + shownIn(g, g.Player2) + inStock;
  require(total == g.DeckSize, [&] {
    return std::string("cards taken " + std::to_string(taken) + ", on the table " +
                       std::to_string(shownOn(g)) + ", in hands and stock make " +
                       std::to_string(total) + ", not " + std::to_string(g.DeckSize));
  });
  require(g.CardImgNext1 >= 1 && g.CardImgNext1 <= 11,
          [&] { return std::string("player 1's strip passed its tenth place"); });
  require(g.CardImgNext2 >= 1 && g.CardImgNext2 <= 11,
          [&] { return std::string("player 2's strip passed its tenth place"); });
  require(numberOf(g.TXT_NAME.Text) >= 0,
          [&] { return std::string("stock counter below 0: " + g.TXT_NAME.Text); });
}

void checkBetweenTurns(const Game& g) {
  checkAfterPlay(g);
  const int held = g.HandSize - g.TurnInHand;
  require(shownIn(g, g.Player1) == held && shownIn(g, g.Player2) == held, [&] {
    return std::string("hands hold " + std::to_string(shownIn(g, g.Player1)) + " and " +
                       std::to_string(shownIn(g, g.Player2)) + " cards, not " +
                       std::to_string(held));
  });
}

void checkDealEnd(const Game& g) {
  checkFaces(g);
  const long long taken = wholeNumberOf(g.TXT_CARD(1).Text) + wholeNumberOf(g.TXT_CARD(2).Text);
  require(taken + shownOn(g) == g.DeckSize, [&] {
    return std::string("at the deal's end " + std::to_string(taken) + " cards taken and " +
                       std::to_string(shownOn(g)) + " on the table, not " +
                       std::to_string(g.DeckSize));
  });
  double points = numberOf(g.TXT_POINT(1).Text) + numberOf(g.TXT_POINT(2).Text);
  for (const CardSlot& slot : g.game) {
    points += slot.Visible ? pointsOf(slot) : 0;
  }
  require(points == 13, [&] {
    return std::string("points taken and left make " + numeral(points) + ", not 13");
  });
}

}  // namespace qorza::sim

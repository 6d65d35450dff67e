// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/fuzz.h"

#include <algorithm>
#include <numeric>

#include "game/card_library.h"
#include "game/card_values.h"
#include "tools/script/card_notation.h"

namespace qorza::sim {

namespace {

int uniform(std::mt19937_64& rng, int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(rng);
}

std::string textOf(int libraryIndex) { return cardText(faceOfLibraryIndex(libraryIndex)); }

int rankOf(int libraryIndex) { return faceOfLibraryIndex(libraryIndex).rank; }

// Points of a card by its library index: worked out here apart from
// game/card_values.h, so the run checks the game's counting against it.
int pointsOf(int libraryIndex) {
  const int r = rankOf(libraryIndex);
  if (r == kAce || r == kJack) return 1;
  if (libraryIndex == 34) return 2;  // the two of clubs
  if (libraryIndex == 20) return 3;  // the ten of diamonds
  return 0;
}

// A deck whose four opening cards need no fixing (distinct ranks, no Jack),
// so the deal lays it out unchanged.
std::vector<int> openingSafeDeck(std::mt19937_64& rng, int deckSize) {
  std::vector<int> deck(static_cast<std::size_t>(deckSize));
  std::iota(deck.begin(), deck.end(), 1);
  for (;;) {
    std::shuffle(deck.begin(), deck.end(), rng);
    bool fine = true;
    for (int i = 0; i < 4 && fine; ++i) {
      fine = rankOf(deck[static_cast<std::size_t>(i)]) != kJack;
      for (int j = 0; j < i && fine; ++j) {
        fine =
            rankOf(deck[static_cast<std::size_t>(i)]) != rankOf(deck[static_cast<std::size_t>(j)]);
      }
    }
    if (fine) return deck;
  }
}

std::string listLine(const std::string& command, const std::vector<int>& slots) {
  std::string line = command;
  for (const int index : slots) {
    line += " " + (index == 0 ? std::string("-") : textOf(index));
  }
  return line;
}

// `count` cards spread over `places` slots at random, the rest empty.
std::vector<int> spread(std::mt19937_64& rng, std::vector<int> cards, int places) {
  std::vector<int> slots(static_cast<std::size_t>(places), 0);
  std::copy(cards.begin(), cards.end(), slots.begin());
  std::shuffle(slots.begin(), slots.end(), rng);
  return slots;
}

Pairing randomPairing(std::mt19937_64& rng) {
  static constexpr int variants[3][2] = {{52, 6}, {52, 4}, {44, 4}};
  const auto& v = variants[uniform(rng, 0, 2)];
  return {v[0], v[1], uniform(rng, 1, 3), static_cast<Strategy>(uniform(rng, 0, 4))};
}

std::string randomText(std::mt19937_64& rng, const std::vector<std::string>& choices) {
  return choices[static_cast<std::size_t>(uniform(rng, 0, static_cast<int>(choices.size()) - 1))];
}

}  // namespace

FuzzCase randomState(std::mt19937_64& rng) {
  FuzzCase c{randomPairing(rng), {}};
  const int deckSize = c.pairing.deckSize;
  const int hand = c.pairing.handSize;
  const int hands = (deckSize - 4) / (2 * hand);
  const int dealt = 4 + 2 * hand * uniform(rng, 1, hands);
  const std::vector<int> deck = openingSafeDeck(rng, deckSize);
  std::vector<int> pool(deck.begin(), deck.begin() + dealt);
  std::shuffle(pool.begin(), pool.end(), rng);
  const int held = uniform(rng, 1, hand);
  const std::vector<int> hand1(pool.begin(), pool.begin() + held);
  const std::vector<int> hand2(pool.begin() + held, pool.begin() + 2 * held);
  const int rest = dealt - 2 * held;
  const int onTable = uniform(rng, 0, std::min(10, rest));
  const std::vector<int> table(pool.begin() + 2 * held, pool.begin() + 2 * held + onTable);
  // The cards already taken, each to one player or the other.
  int cards[3] = {0, 0, 0};
  int points[3] = {0, 0, 0};
  int strip[3] = {0, 0, 0};
  for (auto it = pool.begin() + 2 * held + onTable; it != pool.end(); ++it) {
    const int p = uniform(rng, 1, 2);
    cards[p] += 1;
    points[p] += pointsOf(*it);
    strip[p] += pointsOf(*it) > 0 ? 1 : 0;
  }
  auto& l = c.lines;
  l.push_back("options " + std::to_string(deckSize) + " " + std::to_string(hand) + " " +
              std::to_string(c.pairing.level));
  l.push_back("set DelayMs 0");
  l.push_back("set SoundOn 0");
  l.push_back("set target " + randomText(rng, {"101", "51", "501", "0", "", "abc", " 30"}));
  l.push_back("seed " + std::to_string(uniform(rng, 0, 1 << 30)));
  l.push_back(listLine("deck", deck));
  l.push_back("deal");
  l.push_back(listLine("table", spread(rng, table, 10)));
  l.push_back(listLine("hand1", spread(rng, hand1, hand)));
  l.push_back(listLine("hand2", spread(rng, hand2, hand)));
  l.push_back("set DealtCount " + std::to_string(dealt));
  l.push_back("set TurnInHand " + std::to_string(hand - held));
  l.push_back("set TXT_NAME " + std::to_string(deckSize - dealt));
  for (int p = 1; p <= 2; ++p) {
    const std::string n = std::to_string(p);
    l.push_back("set TXT_CARD" + n + " " + std::to_string(cards[p]));
    l.push_back("set TXT_POINT" + n + " " + std::to_string(points[p]));
    l.push_back("set CardImgNext" + n + " " + std::to_string(1 + strip[p]));
    l.push_back("set txt_qorza" + n + " " + randomText(rng, {"0", "14", "12.5", "37.5", "88"}));
    l.push_back("set QorzaImgNext" + n + " " + std::to_string(uniform(rng, 1, 6)));
    l.push_back("set ScoreTable" + n + " " + std::to_string(uniform(rng, 0, 150)));
  }
  const int round = uniform(rng, 0, 20);
  l.push_back("set RoundCount1 " + std::to_string(round));
  l.push_back("set RoundCount2 " + std::to_string(round));
  return c;
}

}  // namespace qorza::sim

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/compact/position.h"

#include "game/card_library.h"
#include "game/card_values.h"

namespace qorza::compact {

namespace {

// Rank and points of every library index, worked out once from the library.
struct CardTables {
  std::array<std::uint8_t, kDeckCards + 1> rank{};
  std::array<std::uint8_t, kDeckCards + 1> points{};
  std::array<bool, kDeckCards + 1> markedTwo{};
  std::array<bool, kDeckCards + 1> markedTen{};
  CardTables() {
    for (int id = 1; id <= kDeckCards; ++id) {
      const CardSlot card = libraryCard(id);
      const int v = valueOf(card);
      rank[static_cast<std::size_t>(id)] = static_cast<std::uint8_t>(v);
      points[static_cast<std::size_t>(id)] =
          static_cast<std::uint8_t>(pointsOf(v, card.ToolTipText));
      markedTwo[static_cast<std::size_t>(id)] = isMarkedTwo(v, card.ToolTipText);
      markedTen[static_cast<std::size_t>(id)] = isMarkedTen(v, card.ToolTipText);
    }
  }
};

const CardTables& tables() {
  static const CardTables t;
  return t;
}

// A Qorza's share of a card, in halves (a Jack is 12.5).
int worthHalves(int rank) {
  if (rank == kJack) return 25;
  if (rank == kQueen) return 6;
  if (rank == kKing) return 8;
  return 2 * rank;
}

// The table as the rules read it: the showing cards in slot order.
struct Snapshot {
  std::array<int, kTableSlots> slot{};
  std::array<int, kTableSlots> value{};  // the rank; 0 once taken this play
  std::array<int, kTableSlots> rank{};   // the rank as it was
  int count = 0;
};

Snapshot snapshotOf(const Position& p) {
  Snapshot s;
  for (int i = 0; i < kTableSlots; ++i) {
    const CardId id = p.table[static_cast<std::size_t>(i)];
    if (id != 0) {
      const auto n = static_cast<std::size_t>(s.count++);
      s.slot[n] = i;
      s.rank[n] = s.value[n] = rankOf(id);
    }
  }
  return s;
}

// Lays the card in the lowest free table slot; false when the table is full.
bool lay(Position& p, CardId id) {
  for (CardId& place : p.table) {
    if (place == 0) {
      place = id;
      return true;
    }
  }
  return false;
}

// The sound flags a banked card raises.
struct Flags {
  bool ace = false, two = false, ten = false, jack = false;
  void raise(CardId id) {
    if (pointsOfCard(id) == 0) return;
    const int v = rankOf(id);
    ace = ace || v == kAce;
    two = two || v == 2;
    ten = ten || v == 10;
    jack = jack || v == kJack;
  }
};

// Visits every set of `size` snapshot positions in index order and takes each
// whose current values add up to `target`; a member taken before counts 0
// and is not taken again. take(j) is called for each live member.
template <typename Take>
void takeSums(Snapshot& s, int size, int target, Take take) {
  std::array<int, 4> at{};
  // Lexicographic walk over index sets without recursion.
  for (int i = 0; i < size; ++i) at[static_cast<std::size_t>(i)] = i;
  if (size > s.count) return;
  while (true) {
    int sum = 0;
    for (int i = 0; i < size; ++i)
      sum += s.value[static_cast<std::size_t>(at[static_cast<std::size_t>(i)])];
    if (sum == target) {
      for (int i = 0; i < size; ++i) {
        const auto j = static_cast<std::size_t>(at[static_cast<std::size_t>(i)]);
        if (s.value[j] != 0) {
          take(static_cast<int>(j));
        }
      }
      for (int i = 0; i < size; ++i)
        s.value[static_cast<std::size_t>(at[static_cast<std::size_t>(i)])] = 0;
    }
    int i = size - 1;
    while (i >= 0 && at[static_cast<std::size_t>(i)] == s.count - size + i) --i;
    if (i < 0) return;
    at[static_cast<std::size_t>(i)] += 1;
    for (int k = i + 1; k < size; ++k)
      at[static_cast<std::size_t>(k)] = at[static_cast<std::size_t>(k - 1)] + 1;
  }
}

}  // namespace

int rankOf(CardId id) { return tables().rank[id]; }
int pointsOfCard(CardId id) { return tables().points[id]; }
bool isMarkedTwoCard(CardId id) { return tables().markedTwo[id]; }
bool isMarkedTenCard(CardId id) { return tables().markedTen[id]; }

int Position::handCount(int player) const {
  int n = 0;
  for (const CardId id : hands[static_cast<std::size_t>(player)]) n += id != 0 ? 1 : 0;
  return n;
}

int Position::tableCount() const {
  int n = 0;
  for (const CardId id : table) n += id != 0 ? 1 : 0;
  return n;
}

bool Position::stockUsedUp() const {
  return (deckSize == 52 && dealtCount > 44) || (deckSize == 44 && dealtCount > 40);
}

void playPlayer1(Position& p, int slot, PlayEffects* fx) {
  PlayEffects ignored;
  PlayEffects& e = fx != nullptr ? *fx : ignored;
  CardId& inHand = p.hands[0][static_cast<std::size_t>(slot)];
  const CardId played = inHand;
  inHand = 0;
  const int v = rankOf(played);
  Snapshot s = snapshotOf(p);
  int& cards = p.cards[0];
  int& points = p.points[0];
  if (s.count == 0) {
    if (v == kJack) e.add(Sound::JackOnEmpty);
    lay(p, played);
    return;
  }
  if (v == kJack) {
    // The Jack takes the whole table: a Qorza only on a lone Jack.
    cards += s.count + 1;
    if (s.count == 1 && s.rank[0] == kJack) {
      p.qorzaHalves[0] += 2 * worthHalves(kJack);
      points += pointsOfCard(played);
      e.add(Sound::Qorza);
    } else {
      for (int j = 0; j < s.count; ++j)
        points +=
            pointsOfCard(p.table[static_cast<std::size_t>(s.slot[static_cast<std::size_t>(j)])]);
    }
    points += pointsOfCard(played);
    e.add(Sound::JackTakes);
    p.table.fill(0);
    return;
  }
  Flags flags;
  int taken = 0;
  auto take = [&](int j) {
    CardId& place = p.table[static_cast<std::size_t>(s.slot[static_cast<std::size_t>(j)])];
    points += pointsOfCard(place);
    if (pointsOfCard(place) != 0) {
      flags.ace = flags.ace || rankOf(place) == kAce;
      flags.two = flags.two || isMarkedTwoCard(place);
      flags.ten = flags.ten || isMarkedTenCard(place);
    }
    place = 0;
    ++cards;
    ++taken;
  };
  for (int j = 0; j < s.count; ++j) {
    if (s.rank[static_cast<std::size_t>(j)] == v) {
      take(j);
      s.value[static_cast<std::size_t>(j)] = 0;
      break;
    }
  }
  if (v >= 3 && v <= 10) {
    takeSums(s, 2, v, take);
    takeSums(s, 3, v, take);
  }
  if (v == 10) takeSums(s, 4, v, take);
  if (taken == 0) {
    if (!lay(p, played)) {
      cards += 1;  // no room: the card stays with its player
      points += pointsOfCard(played);
    }
    return;
  }
  cards += 1;
  if (taken == s.count) {
    int worth = worthHalves(v);
    for (int j = 0; j < s.count; ++j) worth += worthHalves(s.rank[static_cast<std::size_t>(j)]);
    p.qorzaHalves[0] += worth;
    points += pointsOfCard(played);
    e.add(Sound::Qorza);
    return;
  }
  if (flags.ace) e.add(Sound::Ace);
  if (flags.two) e.add(Sound::Two);
  if (flags.ten) e.add(Sound::Ten);
  points += pointsOfCard(played);
  if (pointsOfCard(played) != 0) {
    if (v == kAce)
      e.add(Sound::Ace);
    else if (isMarkedTwoCard(played))
      e.add(Sound::Two);
    else if (isMarkedTenCard(played))
      e.add(Sound::Ten);
  }
}

void playPlayer2(Position& p, int slot, PlayEffects* fx) {
  PlayEffects ignored;
  PlayEffects& e = fx != nullptr ? *fx : ignored;
  CardId& inHand = p.hands[1][static_cast<std::size_t>(slot)];
  const CardId played = inHand;
  inHand = 0;
  const int v = rankOf(played);
  Snapshot s = snapshotOf(p);
  int& cards = p.cards[1];
  int& points = p.points[1];
  Flags flags;
  auto bank = [&](CardId id) {
    cards += 1;
    points += pointsOfCard(id);
    flags.raise(id);
  };
  if (s.count == 0) {
    if (v == kJack) e.add(Sound::JackOnEmpty);
    lay(p, played);
    return;
  }
  if (s.count == 1 && s.rank[0] == kJack && v == kJack) {
    cards += 2;
    points += 2;
    p.qorzaHalves[1] += 2 * worthHalves(kJack);
    e.add(Sound::Qorza);
    p.table.fill(0);
    return;
  }
  // The trial: which snapshot cards this card takes, by rule.
  std::array<std::uint8_t, kTableSlots> takenBy{};  // 0 none, 1 equal, 2 pairs, 3 triples, 4 quads
  int equalAt = -1;
  int taken = 0;
  for (int j = 0; j < s.count; ++j) {
    if (s.value[static_cast<std::size_t>(j)] == v) {
      equalAt = j;
      takenBy[static_cast<std::size_t>(j)] = 1;
      s.value[static_cast<std::size_t>(j)] = 0;
      ++taken;
      break;
    }
  }
  auto takeAs = [&](std::uint8_t rule) {
    return [&, rule](int j) {
      takenBy[static_cast<std::size_t>(j)] = rule;
      ++taken;
    };
  };
  if (v >= 3 && v <= 10) takeSums(s, 2, v, takeAs(2));
  if (v >= 6 && v <= 10) takeSums(s, 3, v, takeAs(3));
  if (v == 10) takeSums(s, 4, v, takeAs(4));
  if (taken == 0) {
    if (v != kJack) {
      if (!lay(p, played)) bank(played);
      return;
    }
    bank(played);
    for (int j = 0; j < s.count; ++j)
      bank(p.table[static_cast<std::size_t>(s.slot[static_cast<std::size_t>(j)])]);
    p.table.fill(0);
    e.add(Sound::JackTakes);
    return;
  }
  bank(played);
  if (equalAt >= 0 && v == kJack) {
    for (int j = 0; j < s.count; ++j)
      bank(p.table[static_cast<std::size_t>(s.slot[static_cast<std::size_t>(j)])]);
    p.table.fill(0);
  } else {
    for (std::uint8_t rule = 4; rule >= 1; --rule) {
      for (int j = 0; j < s.count; ++j) {
        if (takenBy[static_cast<std::size_t>(j)] == rule) {
          CardId& place = p.table[static_cast<std::size_t>(s.slot[static_cast<std::size_t>(j)])];
          bank(place);
          place = 0;
        }
      }
    }
  }
  if (taken == s.count) {
    int worth = worthHalves(v);
    for (int j = 0; j < s.count; ++j) worth += worthHalves(s.rank[static_cast<std::size_t>(j)]);
    p.qorzaHalves[1] += worth;
    e.add(Sound::Qorza);
    return;
  }
  if (flags.ace) e.add(Sound::Ace);
  if (flags.two) e.add(Sound::Two);
  if (flags.ten) e.add(Sound::Ten);
  if (flags.jack) e.add(Sound::JackTakes);
}

void dealNextHands(Position& p) {
  if (p.handCount(0) != 0 || p.handCount(1) != 0 || p.stockUsedUp()) {
    return;
  }
  for (int player = 0; player < 2; ++player) {
    for (int i = 0; i < p.handSize; ++i) {
      p.hands[static_cast<std::size_t>(player)][static_cast<std::size_t>(i)] =
          p.stock[static_cast<std::size_t>(p.dealtCount + player * p.handSize + i)];
    }
  }
  p.dealtCount += 2 * p.handSize;
}

void play(Position& p, int slot) {
  if (p.toMove() == 0) {
    playPlayer1(p, slot);
    return;
  }
  playPlayer2(p, slot);
  dealNextHands(p);
}

int dealMarginHalves(const Position& p, int me) {
  const int other = 1 - me;
  const auto m = static_cast<std::size_t>(me);
  const auto o = static_cast<std::size_t>(other);
  int margin = p.qorzaHalves[m] - p.qorzaHalves[o] + 2 * (p.points[m] - p.points[o]);
  if (p.cards[m] > p.cards[o]) margin += 6;
  if (p.cards[o] > p.cards[m]) margin -= 6;
  return margin;
}

}  // namespace qorza::compact

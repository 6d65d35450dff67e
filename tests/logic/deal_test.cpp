// SPDX-License-Identifier: GPL-3.0-or-later
// The shuffle, the opening table and the dealing of hands across a deal.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "game/card_library.h"
#include "game/flow/deal.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "support/fake_platform.h"

namespace qorza {
namespace {

using testing::FakePlatform;

struct DealFixture : ::testing::Test {
  FakePlatform platform;
  Game g{platform};

  void choose(bool homsi, bool six) { ASSERT_TRUE(applyNewGameOptions(g, {homsi, six, "Tester"})); }

  std::vector<int> deckOrder() const {
    std::vector<int> order;
    for (int i = 1; i <= g.DeckSize; ++i) {
      order.push_back(std::stoi(g.DeckOrder(i)));
    }
    return order;
  }

  // Empties both hands as if every card had been played.
  void playOutHands() {
    for (int i = 1; i <= 6; ++i) {
      g.Player1(i).Visible = false;
      g.Player2(i).Visible = false;
    }
  }
};

TEST_F(DealFixture, ShuffleIsAPermutationThatRepeatsUnderAFixedSeed) {
  for (int deckSize : {52, 44}) {
    g.DeckSize = deckSize;
    g.rng.fixSeed(7);
    shuffleDeckOrder(g);
    const std::vector<int> first = deckOrder();
    std::vector<int> sorted = first;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < deckSize; ++i) {
      EXPECT_EQ(sorted[static_cast<std::size_t>(i)], i + 1);
    }
    g.rng.fixSeed(7);
    shuffleDeckOrder(g);
    EXPECT_EQ(deckOrder(), first);
    g.rng.fixSeed(8);
    shuffleDeckOrder(g);
    EXPECT_NE(deckOrder(), first);
  }
}

TEST_F(DealFixture, RandomValuesStayBelowOne) {
  g.rng.fixSeed(1);
  for (int i = 0; i < 100000; ++i) {
    const float value = g.rng.next();
    ASSERT_GE(value, 0.0f);
    ASSERT_LT(value, 1.0f);
  }
}

TEST_F(DealFixture, HomsiDeckNeverDealsQueenOrKingAndNeverReadsPastIt) {
  choose(true, false);
  for (int seed = 1; seed <= 50; ++seed) {
    g.rng.fixSeed(static_cast<std::uint64_t>(seed));
    mnu_new_Click(g);
    for (int i = 1; i <= 44; ++i) {
      EXPECT_LT(valueOf(g.card(i)), 12) << "seed " << seed << " position " << i;
    }
  }
}

TEST_F(DealFixture, OpeningTableHoldsFourCardsAndNoJack) {
  choose(false, true);
  for (int seed = 1; seed <= 300; ++seed) {
    g.rng.fixSeed(static_cast<std::uint64_t>(seed));
    mnu_new_Click(g);
    for (int i = 1; i <= 4; ++i) {
      ASSERT_TRUE(g.game(i).Visible);
      EXPECT_NE(valueOf(g.game(i)), 11) << "seed " << seed;
    }
    for (int i = 5; i <= 10; ++i) {
      EXPECT_FALSE(g.game(i).Visible);
    }
  }
}

TEST_F(DealFixture, GivenDeckStartingFiveFiveSevenNineExchangesAFive) {
  choose(false, true);
  std::vector<int> deck;
  for (int i = 1; i <= 52; ++i) {
    deck.push_back(i);
  }
  const int fiveSpades = libraryIndex(Suit::Spades, 5);
  const int fiveHearts = libraryIndex(Suit::Hearts, 5);
  const int seven = libraryIndex(Suit::Clubs, 7);
  const int nine = libraryIndex(Suit::Diamonds, 9);
  std::erase_if(
      deck, [&](int i) { return i == fiveSpades || i == fiveHearts || i == seven || i == nine; });
  deck.insert(deck.begin(), {fiveSpades, fiveHearts, seven, nine});
  g.presetDeck = deck;
  g.rng.fixSeed(3);
  mnu_new_Click(g);
  std::set<std::string> tags;
  for (int i = 1; i <= 4; ++i) {
    tags.insert(g.game(i).Tag);
  }
  EXPECT_EQ(tags.size(), 4u) << "a repeated rank survived on the opening table";
  // The whole deck is still one of each card.
  std::set<std::string> pictures;
  for (int i = 1; i <= 52; ++i) {
    pictures.insert(g.card(i).Picture);
  }
  EXPECT_EQ(pictures.size(), 52u);
}

TEST_F(DealFixture, OpeningJacksAreExchangedForTheFirstNonJackBeyondTheTable) {
  choose(false, true);
  std::vector<int> deck;
  for (int s = 1; s <= 4; ++s) {
    deck.push_back(libraryIndex(static_cast<Suit>(s), 11));
  }
  for (int i = 1; i <= 52; ++i) {
    if (std::find(deck.begin(), deck.end(), i) == deck.end()) {
      deck.push_back(i);
    }
  }
  g.presetDeck = deck;
  g.rng.fixSeed(4);
  mnu_new_Click(g);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_NE(valueOf(g.game(i)), 11);
  }
}

TEST_F(DealFixture, MarkersFollowTheCardThroughShuffleAndFixes) {
  choose(false, true);
  for (int seed = 1; seed <= 40; ++seed) {
    g.rng.fixSeed(static_cast<std::uint64_t>(seed));
    mnu_new_Click(g);
    for (int i = 1; i <= 52; ++i) {
      const CardSlot& c = g.card(i);
      const auto face = faceOfPicture(c.Picture);
      ASSERT_TRUE(face.has_value());
      EXPECT_EQ(std::to_string(face->rank), c.Tag);
      const bool tenOfDiamonds = face->suit == Suit::Diamonds && face->rank == 10;
      const bool twoOfClubs = face->suit == Suit::Clubs && face->rank == 2;
      EXPECT_EQ(c.ToolTipText, tenOfDiamonds ? "10" : twoOfClubs ? "2" : "");
    }
  }
}

struct HandsCase {
  bool homsi;
  bool six;
  std::vector<int> dealtCounts;  // DealtCount before each hand is dealt
};

class HandsFallAt : public DealFixture, public ::testing::WithParamInterface<HandsCase> {};

TEST_P(HandsFallAt, EveryVariantDealsItsHandsThenEndsTheDeal) {
  const HandsCase& c = GetParam();
  choose(c.homsi, c.six);
  g.rng.fixSeed(11);
  mnu_new_Click(g);
  std::vector<int> seen = {4};
  EXPECT_EQ(g.DealtCount, 4 + 2 * g.HandSize);
  for (int i = 1; i <= g.HandSize; ++i) {
    EXPECT_EQ(g.Player1(i).Tag, g.card(4 + i).Tag);
    EXPECT_EQ(g.Player2(i).Tag, g.card(4 + g.HandSize + i).Tag);
    EXPECT_EQ(g.Player02(i).Picture, g.card(4 + g.HandSize + i).Picture);
    EXPECT_EQ(g.Player2(i).Picture, kDeckBack);
  }
  while (!stockExhausted(g)) {
    seen.push_back(g.DealtCount);
    playOutHands();
    newgame(g);
  }
  EXPECT_EQ(seen, c.dealtCounts);
  EXPECT_EQ(g.RoundCount1, 0);
  // The next call ends the deal: the round counters rise and a new deal
  // (fresh table, first hands) starts at once.
  playOutHands();
  newgame(g);
  EXPECT_EQ(g.RoundCount1, 1);
  EXPECT_EQ(g.RoundCount2, 1);
  EXPECT_EQ(g.DealtCount, 4 + 2 * g.HandSize);
  EXPECT_TRUE(g.Player1(1).Visible);
  EXPECT_EQ(platform.pauses.back(), 100);
}

INSTANTIATE_TEST_SUITE_P(Variants, HandsFallAt,
                         ::testing::Values(HandsCase{false, true, {4, 16, 28, 40}},
                                           HandsCase{false, false, {4, 12, 20, 28, 36, 44}},
                                           HandsCase{true, false, {4, 12, 20, 28, 36}}));

TEST_F(DealFixture, NewDealResetsCountersStripsAndDisplays) {
  choose(false, true);
  g.TXT_CARD(1).Text = "17";
  g.txt_qorza(2).Text = "12.5";
  g.img_card1(3).Visible = true;
  g.img_qorza2(2).Visible = true;
  g.lbl_qorza1(4).Caption = "14";
  g.CardImgNext1 = 5;
  g.QorzaImgNext2 = 3;
  g.TurnInHand = 2;
  g.game(9).Visible = true;
  mnu_new_Click(g);
  EXPECT_EQ(g.TXT_CARD(1).Text, "0");
  EXPECT_EQ(g.txt_qorza(2).Text, "0");
  EXPECT_FALSE(g.img_card1(3).Visible);
  EXPECT_FALSE(g.img_qorza2(2).Visible);
  EXPECT_EQ(g.lbl_qorza1(4).Caption, "0");
  EXPECT_EQ(g.CardImgNext1, 1);
  EXPECT_EQ(g.QorzaImgNext2, 1);
  EXPECT_EQ(g.TurnInHand, 0);
  EXPECT_FALSE(g.game(9).Visible);
  EXPECT_TRUE(g.TXT_NAME.Visible);
  EXPECT_TRUE(g.img_latch(2).Visible);
}

TEST_F(DealFixture, NewMatchCancelledLeavesTheMatchUntouched) {
  choose(false, true);
  g.rng.fixSeed(5);
  mnu_new_Click(g);
  g.ScoreTable(1) = 40;
  g.RoundCount1 = g.RoundCount2 = 3;
  const std::string firstCard = g.Player1(1).Picture;
  platform.newGameAnswer.reset();
  mnu_new_real_Click(g);
  EXPECT_EQ(g.ScoreTable(1), 40);
  EXPECT_EQ(g.RoundCount1, 3);
  EXPECT_EQ(g.Player1(1).Picture, firstCard);

  platform.newGameAnswer = NewGameChoice{true, false, "Sami"};
  mnu_new_real_Click(g);
  EXPECT_EQ(g.ScoreTable(1), 0);
  EXPECT_EQ(g.RoundCount1, 0);
  EXPECT_EQ(g.DeckSize, 44);
  EXPECT_EQ(g.PlayerName(1), "Sami");
}

TEST_F(DealFixture, OptionsOkSetsDeckHandsHintsAndStock) {
  struct Row {
    bool homsi, six;
    int deck, hand, stock;
    const char* firstHint;
  };
  for (const Row& r : {Row{false, true, 52, 6, 36, "2"}, Row{false, false, 52, 4, 40, "1"},
                       Row{true, true, 44, 6, 28, "2"}, Row{true, false, 44, 4, 32, "1"}}) {
    EXPECT_TRUE(applyNewGameOptions(g, {r.homsi, r.six, "x"}));
    EXPECT_EQ(g.DeckSize, r.deck);
    EXPECT_EQ(g.HandSize, r.hand);
    EXPECT_EQ(g.TXT_NAME.Text, std::to_string(r.stock));
    EXPECT_EQ(g.Label1(1).Caption, r.firstHint);
    EXPECT_EQ(g.Label1(5).Caption, "1");
    EXPECT_EQ(g.Label1(6).Caption, "6");
  }
}

TEST_F(DealFixture, EmptyNameKeepsTheDialogOpenButAppliesDeckAndStock) {
  g.PlayerName(1) = "Old";
  EXPECT_FALSE(applyNewGameOptions(g, {true, false, ""}));
  EXPECT_EQ(g.PlayerName(1), "Old");
  EXPECT_EQ(g.DeckSize, 44);
  EXPECT_EQ(g.TXT_NAME.Text, "32");
  // Spaces of any script alone are no name; a letter among them is one,
  // taken as typed.
  for (const char* blank : {" ", "\t  ", "\u00A0\u3000\u2009 ", "\u202F"}) {
    EXPECT_FALSE(applyNewGameOptions(g, {false, true, blank})) << blank;
    EXPECT_EQ(g.PlayerName(1), "Old");
  }
  for (const char* name : {" x", "\u00A0\u0628", "\u3000\u0661 ", "\u2003A"}) {
    EXPECT_TRUE(applyNewGameOptions(g, {false, true, name})) << name;
    EXPECT_EQ(g.PlayerName(1), name);
  }
  EXPECT_EQ(g.lbl_n_player(2).Caption, g.PlayerName(2));
}

TEST(SlotModel, OutOfRangeIndexFailsLoudlyAndFreeSlotSearch) {
  FakePlatform platform;
  Game g{platform};
  EXPECT_THROW(g.game(0), std::out_of_range);
  EXPECT_THROW(g.game(11), std::out_of_range);
  EXPECT_THROW(g.Player1(7), std::out_of_range);
  EXPECT_NO_THROW(g.Label3(0));
  for (int i = 1; i <= 10; ++i) {
    g.game(i).Visible = true;
  }
  EXPECT_EQ(FirstFreeTableSlot(g), 0);
  g.game(3).Visible = false;
  g.game(1).Visible = false;
  EXPECT_EQ(FirstFreeTableSlot(g), 1);
}

TEST(CardLibrary, IndexTableMarkersAndNotation) {
  EXPECT_EQ(libraryIndex(Suit::Diamonds, 7), 44);
  EXPECT_EQ(libraryIndex(Suit::Spades, 12), 45);
  EXPECT_EQ(libraryIndex(Suit::Clubs, 13), 52);
  EXPECT_EQ(libraryCard(20).ToolTipText, "10");
  EXPECT_EQ(libraryCard(20).Picture, "diamond_10");
  EXPECT_EQ(libraryCard(34).ToolTipText, "2");
  EXPECT_EQ(libraryCard(34).Picture, "club_2");
  EXPECT_EQ(libraryCard(33).Tag, "1");
  std::set<std::string> pictures;
  for (int i = 1; i <= 52; ++i) {
    const CardSlot c = libraryCard(i);
    pictures.insert(c.Picture);
    EXPECT_EQ(libraryIndex(faceOfLibraryIndex(i).suit, faceOfLibraryIndex(i).rank), i);
    if (i <= 44) {
      EXPECT_LT(valueOf(c), 12);
    }
  }
  EXPECT_EQ(pictures.size(), 52u);
  EXPECT_EQ(cardText(*parseCardText("10D")), "10D");
  EXPECT_EQ(parseCardText("QS")->rank, 12);
  EXPECT_FALSE(parseCardText("1S").has_value());
  EXPECT_FALSE(parseCardText("10X").has_value());
  EXPECT_FALSE(faceOfPicture("back").has_value());
  EXPECT_THROW(libraryCard(53), std::out_of_range);
}

}  // namespace
}  // namespace qorza

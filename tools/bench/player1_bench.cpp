// SPDX-License-Identifier: GPL-3.0-or-later
// The time of one play of player 1 on a table of five cards, with no pause
// and no sound system. Each iteration lays the same table and hand again;
// Player1_Reset times that alone.
#include <benchmark/benchmark.h>

#include <string_view>

#include "game/card_library.h"
#include "game/game_state.h"
#include "rules/player1/player1_play.h"
#include "tools/script/headless_platform.h"

namespace qorza {
namespace {

CardSlot shown(std::string_view text) {
  const auto face = parseCardText(text);
  CardSlot slot = libraryCard(libraryIndex(face->suit, face->rank));
  slot.Visible = true;
  return slot;
}

struct Setup {
  script::HeadlessPlatform platform;
  Game g{platform};
  SlotArray<CardSlot, 1, 10> table;
  CardSlot played;

  Setup(std::initializer_list<std::string_view> cards, std::string_view card) {
    g.DelayMs = 0;
    g.SoundOn = false;
    int s = 1;
    for (auto text : cards) {
      table(s++) = shown(text);
    }
    played = shown(card);
  }

  void reset() {
    g.game = table;
    g.Player1(1) = played;
    g.TXT_CARD(1).Text = "0";
    g.TXT_POINT(1).Text = "0";
    g.txt_qorza(1).Text = "0";
    g.CardImgNext1 = 1;
    g.QorzaImgNext1 = 1;
  }
};

// A 7 takes 3 + 4 as a pair; the triples are searched all the same.
void Player1_Capture(benchmark::State& state) {
  Setup s({"AS", "2C", "3H", "4D", "KS"}, "7H");
  for (auto _ : state) {
    s.reset();
    H1_player1(s.g, 1);
    benchmark::DoNotOptimize(s.g.TXT_CARD(1).Text);
  }
}
BENCHMARK(Player1_Capture);

// A ten searches pairs, triples and quadruples and is laid.
void Player1_TenLaid(benchmark::State& state) {
  Setup s({"AS", "AC", "AH", "KD", "QS", "QH", "KH"}, "10H");
  for (auto _ : state) {
    s.reset();
    H1_player1(s.g, 1);
    benchmark::DoNotOptimize(s.g.game(8).Visible);
  }
}
BENCHMARK(Player1_TenLaid);

void Player1_Reset(benchmark::State& state) {
  Setup s({"AS", "2C", "3H", "4D", "KS"}, "7H");
  for (auto _ : state) {
    s.reset();
    benchmark::DoNotOptimize(s.g.game(1).Visible);
  }
}
BENCHMARK(Player1_Reset);

}  // namespace
}  // namespace qorza

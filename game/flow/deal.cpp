// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/flow/deal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "game/bounds.h"
#include "game/card_values.h"
#include "game/game_state.h"
#include "game/short_decimal.h"
#include "scoring/deal_scoring.h"

namespace qorza {

namespace {

// A random deck position 1..DeckSize: a draw in [0, 1) times DeckSize, plus
// one, rounded down; worked in double.
int randomPosition(Game& g) {
  const double draw = static_cast<double>(g.rng.next()) * g.DeckSize + 1.0;
  return static_cast<int>(std::floor(draw));
}

// Exchanges two deck cards: Tag, then the picture through img_swap, then
// the point marker.
void exchangeDeckCards(Game& g, int a, int b) {
  std::swap(g.card(a).Tag, g.card(b).Tag);
  g.img_swap.Picture = g.card(a).Picture;
  g.card(a).Picture = g.card(b).Picture;
  g.card(b).Picture = g.img_swap.Picture;
  std::swap(g.card(a).ToolTipText, g.card(b).ToolTipText);
}

bool openingHasPair(const Game& g) {
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      if (i != j && g.card(i).Tag == g.card(j).Tag) {
        return true;
      }
    }
  }
  return false;
}

void resetTable(Game& g) {
  for (int p = 1; p <= 2; ++p) {
    g.TXT_CARD(p).Text = "0";
    g.TXT_POINT(p).Text = "0";
    g.txt_qorza(p).Text = "0";
  }
  for (int i = 1; i <= 6; ++i) {
    g.Player1(i).Visible = false;
    g.Player2(i).Visible = false;
    g.Label1(i).Visible = false;
  }
  for (int i = 1; i <= 6; ++i) {
    g.lbl_qorza1(i).Caption = "0";
    g.lbl_qorza2(i).Caption = "0";
  }
  g.CardImgNext1 = g.QorzaImgNext1 = g.CardImgNext2 = g.QorzaImgNext2 = 1;
  g.TurnInHand = 0;
  for (int i = 1; i <= 6; ++i) {
    g.img_qorza1(i).Visible = false;
    g.img_qorza2(i).Visible = false;
    g.lbl_qorza1(i).Visible = false;
    g.lbl_qorza2(i).Visible = false;
  }
  for (int i = 1; i <= 10; ++i) {
    g.img_card1(i).Visible = false;
    g.img_card2(i).Visible = false;
    g.game(i).Visible = false;
  }
}

// The library index a DeckOrder entry holds: one or two digits, as every
// entry the shuffle writes, read on the spot.
int deckPosition(const std::string& entry) {
  const int value = shortDecimal(entry);
  return value >= 0 ? value : std::stoi(entry);
}

void fillDeck(Game& g) {
  if (static_cast<int>(g.presetDeck.size()) >= g.DeckSize) {
    for (int i = 1; i <= g.DeckSize; ++i) {
      g.DeckOrder(i) = std::to_string(g.presetDeck[static_cast<std::size_t>(i) - 1]);
    }
    g.presetDeck.clear();
  } else {
    g.rng.randomize();
    shuffleDeckOrder(g);
  }
  for (int i = 1; i <= g.DeckSize; ++i) {
    copyCard(g.card(i), g.Image1(deckPosition(g.DeckOrder(i))));
  }
}

void showTableFurniture(Game& g) {
  g.img_latch(1).Visible = true;
  g.img_latch(2).Visible = true;
  for (int p = 1; p <= 2; ++p) {
    g.TXT_CARD(p).Visible = true;
    g.TXT_POINT(p).Visible = true;
    g.txt_qorza(p).Visible = true;
    g.lbl_n_player(p).Visible = true;
  }
  g.TXT_NAME.Visible = true;
  for (int i = 0; i <= 6; ++i) {
    g.Label3(i).Visible = true;
  }
}

void endDeal(Game& g) {
  g.platform().doEvents();
  g.platform().sleepMs(100);
  g.MNU_RESULTS_Enabled = true;
  // The deal counters stop at their top: the results grid keeps a row for
  // each deal up to it, and the last row then shows the newest scores.
  g.RoundCount1 = std::min(g.RoundCount1 + 1, bounds::kDealCount.hi);
  g.RoundCount2 = std::min(g.RoundCount2 + 1, bounds::kDealCount.hi);
  ScoreDeal(g);
  mnu_new_Click(g);
}

}  // namespace

void mnu_new_real_Click(Game& g) {
  if (!g.platform().runNewGameDialog(g)) {
    return;
  }
  recreateScoreTable(g);
  g.RoundCount1 = 0;
  g.RoundCount2 = 0;
  unloadResultsWindow(g);
  mnu_new_Click(g);
}

void shuffleDeckOrder(Game& g) {
  // Each position is drawn again until it differs from those already taken.
  std::array<bool, 53> taken{};
  for (int i = 1; i <= g.DeckSize; ++i) {
    int drawn = randomPosition(g);
    while (taken[static_cast<std::size_t>(drawn)]) {
      drawn = randomPosition(g);
    }
    taken[static_cast<std::size_t>(drawn)] = true;
    g.DeckOrder(i) = std::to_string(drawn);
  }
}

void FixOpeningPairs(Game& g) {
  do {
    for (int i = 1; i <= 4; ++i) {
      for (int j = 1; j <= 4; ++j) {
        if (i == j || g.card(i).Tag != g.card(j).Tag) {
          continue;
        }
        const int r = randomPosition(g);
        if (g.card(r).Tag != g.card(j).Tag && valueOf(g.card(r)) != kJack) {
          exchangeDeckCards(g, j, r);
        }
      }
    }
  } while (openingHasPair(g));
}

void FixOpeningJacks(Game& g) {
  for (int i = 1; i <= 4; ++i) {
    if (valueOf(g.card(i)) != kJack) {
      continue;
    }
    for (int j = 5; j <= g.DeckSize; ++j) {
      if (valueOf(g.card(j)) != kJack) {
        exchangeDeckCards(g, i, j);
        break;
      }
    }
  }
}

void mnu_new_Click(Game& g) {
  g.STANSARD.Picture = g.chosenBack;
  resetTable(g);
  fillDeck(g);
  FixOpeningPairs(g);
  FixOpeningJacks(g);
  for (int i = 1; i <= 4; ++i) {
    copyCard(g.game(i), g.card(i));
    g.game(i).Visible = true;
  }
  g.DealtCount = 4;
  newgame(g);
  showTableFurniture(g);
}

bool stockExhausted(const Game& g) {
  return (g.DeckSize == 52 && g.DealtCount > 44) || (g.DeckSize == 44 && g.DealtCount > 40);
}

void newgame(Game& g) {
  if (stockExhausted(g)) {
    endDeal(g);
    return;
  }
  for (int i = 1; i <= g.HandSize; ++i) {
    g.Player1(i).Visible = true;
    g.Player2(i).Visible = true;
    g.Player02(i).Visible = true;
    g.Label1(i).Visible = true;
  }
  for (int i = 1; i <= g.HandSize; ++i) {
    copyCard(g.Player1(i), g.card(g.DealtCount + i));
  }
  for (int i = 1; i <= g.HandSize; ++i) {
    const CardSlot& dealt = g.card(g.DealtCount + g.HandSize + i);
    g.Player02(i).Picture = dealt.Picture;
    g.Player2(i).Picture = g.STANSARD.Picture;
    g.Player2(i).Tag = dealt.Tag;
    g.Player2(i).ToolTipText = dealt.ToolTipText;
  }
  g.DealtCount += 2 * g.HandSize;
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/flow/turn_cycle.h"

#include <array>

#include "game/flow/deal.h"
#include "game/flow/play_record.h"
#include "game/game_state.h"
#include "game/numbers.h"
#include "rules/player1/player1_play.h"
#include "rules/player2/player2_play.h"

namespace qorza {

void Player1_Click(Game& g, int index, PlayLog* log) {
  if (!g.Player1(index).Visible) {
    return;
  }
  g.TurnInHand += 1;
  for (int i = 1; i <= g.HandSize; ++i) {
    g.Player1(i).Enabled = false;
  }
  g.KeyPreview = false;
  g.Label1(index).Visible = false;
  if (log) {
    log->beforePlay(g, 1, index);
  }
  H1_player1(g, index);
  if (log) {
    log->afterPlay(g);
    log->beforePlay(g, 2);
  }
  H2_player2(g, index);
  if (log) {
    log->afterPlay(g);
  }
  for (int i = 1; i <= g.HandSize; ++i) {
    g.Player1(i).Enabled = true;
  }
  if (g.TurnInHand == g.HandSize) {
    g.TurnInHand = 0;
    g.TXT_NAME.Text = numeral(numberOf(g.TXT_NAME.Text) - 2 * g.HandSize);
    if (numberOf(g.TXT_NAME.Text) < 0) {
      g.TXT_NAME.Text = "0";
    }
    newgame(g);
  }
  g.KeyPreview = true;
}

int handPositionForDigit(int digit, int handSize) {
  static constexpr std::array<int, 6> six = {5, 1, 2, 3, 4, 6};
  static constexpr std::array<int, 6> four = {1, 2, 3, 4, 4, 6};
  if (digit < 1 || digit > 6) {
    return 0;
  }
  const auto& table = handSize == 6 ? six : four;
  return table[static_cast<std::size_t>(digit) - 1];
}

void Form_KeyDown(Game& g, int keyCode, int shift, PlayLog* log) {
  if (shift != 0 || !g.KeyPreview) {
    return;
  }
  int digit = 0;
  if (keyCode >= 49 && keyCode <= 54) {
    digit = keyCode - 48;
  } else if (keyCode >= 97 && keyCode <= 102) {
    digit = keyCode - 96;
  }
  const int position = handPositionForDigit(digit, g.HandSize);
  if (position != 0) {
    Player1_Click(g, position, log);
  }
}

}  // namespace qorza

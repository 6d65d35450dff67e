// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_state.h"

namespace qorza {

namespace {

// The hint digits over the hand. The captions over the counters (Label3)
// are words the window says in the player's language: the state keeps only
// whether they show.
void setFixedCaptions(Game& g) {
  g.Label1(5).Caption = "1";
  g.Label1(6).Caption = "6";
  for (int k = 1; k <= 4; ++k) {
    g.Label1(k).Caption = std::to_string(k + 1);
  }
}

}  // namespace

Game::Game(Platform& platform) : platform_(&platform) {
  for (int i = 1; i <= kLibrarySize; ++i) {
    Image1(i) = libraryCard(i);
  }
  STANSARD.Picture = kDeckBack;
  img_latch(1).Picture = kDeckBack;
  img_latch(2).Picture = kDeckBack;
  PlayerName(1) = kDefaultPlayer1Name;
  PlayerName(2) = kDefaultPlayer2Name;
  setFixedCaptions(*this);
}

int FirstFreeTableSlot(const Game& g) {
  for (int i = 1; i <= 10; ++i) {
    if (!g.game(i).Visible) {
      return i;
    }
  }
  return 0;
}

void recreateScoreTable(Game& g) {
  g.ScoreTable(1) = 0;
  g.ScoreTable(2) = 0;
}

void Form_Load(Game& g, const std::string& soundFolder) {
  g.RoundCount1 = 0;
  g.RoundCount2 = 0;
  g.PlayerName(1) = kDefaultPlayer1Name;
  g.PlayerName(2) = kDefaultPlayer2Name;
  recreateScoreTable(g);
  g.SoundFolder = soundFolder;
  g.SkillLevel = 2;
  g.SoundOn = true;
}

void applyStartupDefaults(Game& g) {
  g.DelayMs = 300;
  g.CardImgNext1 = 1;
  g.QorzaImgNext1 = 1;
  g.CardImgNext2 = 1;
  g.QorzaImgNext2 = 1;
  g.STANSARD.Picture = g.chosenBack;
  // The small backs beside the taken-cards counters show the chosen back
  // from the first deal on, not only after the further options' OK.
  g.img_latch(1).Picture = g.STANSARD.Picture;
  g.img_latch(2).Picture = g.STANSARD.Picture;
}

}  // namespace qorza

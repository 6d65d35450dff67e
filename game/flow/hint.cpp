// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/flow/hint.h"

#include <optional>

#include "game/game_state.h"
#include "rules/player2/player2_play.h"

namespace qorza {

namespace {

// The desktop of a trial: nothing is heard, shown or waited for.
class QuietPlatform final : public Platform {
 public:
  void doEvents() override {}
  void sleepMs(int /*ms*/) override {}
  void playSound(const std::string& /*path*/) override {}
  bool runNewGameDialog(Game& /*game*/) override { return false; }
  void showResults(Game& /*game*/) override {}
};

// Copies what one play reads. The library, the stock, the deck order, the
// results and the random numbers belong to dealing and scoring a deal, which
// no single play reaches; the strips, Qorza displays, labels and names are
// only written by a play (a strip place or display is chosen by the copied
// counters). A trial leaves all of these as they were.
void copyPlayState(Game& to, const Game& from) {
  to.game = from.game;
  to.game1 = from.game1;
  to.Player1 = from.Player1;
  to.Player2 = from.Player2;
  to.Player02 = from.Player02;
  to.TXT_CARD = from.TXT_CARD;
  to.TXT_POINT = from.TXT_POINT;
  to.txt_qorza = from.txt_qorza;
  to.TXT_NAME = from.TXT_NAME;
  to.Activated = from.Activated;
  to.KeyPreview = from.KeyPreview;
  to.MNU_RESULTS_Enabled = from.MNU_RESULTS_Enabled;
  to.DeckSize = from.DeckSize;
  to.HandSize = from.HandSize;
  to.DealtCount = from.DealtCount;
  to.TurnInHand = from.TurnInHand;
  to.SkillLevel = from.SkillLevel;
  to.DelayMs = from.DelayMs;
  to.SoundOn = from.SoundOn;
  to.SoundFolder = from.SoundFolder;
  to.CardImgNext1 = from.CardImgNext1;
  to.CardImgNext2 = from.CardImgNext2;
  to.QorzaImgNext1 = from.QorzaImgNext1;
  to.QorzaImgNext2 = from.QorzaImgNext2;
  to.RoundCount1 = from.RoundCount1;
  to.RoundCount2 = from.RoundCount2;
  to.ScoreTable = from.ScoreTable;
  to.p1 = from.p1;
  to.p2 = from.p2;
}

// The seats exchanged: player 1's hand becomes the computer's (face in
// Player02, back in Player2) and player 2's hand the one it may read.
Game& mirrored(const Game& g, int level) {
  Game& m = playTrial(g);
  for (int i = 1; i <= 6; ++i) {
    const CardSlot mine = g.Player1(i);
    CardSlot theirs = g.Player2(i);
    theirs.Picture = g.Player02(i).Picture;
    m.Player1(i) = theirs;
    m.Player2(i) = mine;
    m.Player2(i).Picture = g.STANSARD.Picture;
    m.Player02(i).Picture = mine.Picture;
    m.Player02(i).Visible = mine.Visible;
  }
  m.SkillLevel = level;
  return m;
}

}  // namespace

Game& playTrial(const Game& g) {
  thread_local QuietPlatform quiet;
  thread_local std::optional<Game> trial;
  thread_local const Platform* copiedFrom = nullptr;
  if (trial && copiedFrom == &g.platform()) {
    copyPlayState(*trial, g);
  } else {
    trial.emplace(g, quiet);
    copiedFrom = &g.platform();
  }
  return *trial;
}

int computerRulesPosition(const Game& g, int level) {
  int first = 0;
  for (int k = 1; k <= 6 && first == 0; ++k) {
    first = g.Player1(k).Visible ? k : 0;
  }
  if (first == 0) {
    return 0;
  }
  Game& m = mirrored(g, level);
  H2_player2(m, 1);
  for (int k = 1; k <= 6; ++k) {
    if (g.Player1(k).Visible && !m.Player2(k).Visible) {
      return k;
    }
  }
  return first;
}

int hintPosition(const Game& game) { return computerRulesPosition(game, 3); }

}  // namespace qorza

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

// The counters, settings and player 1's scratch of the state a play reads.
void copyCounters(Game& to, const Game& from) {
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
  to.CardImgNext1 = from.CardImgNext1;
  to.CardImgNext2 = from.CardImgNext2;
  to.QorzaImgNext1 = from.QorzaImgNext1;
  to.QorzaImgNext2 = from.QorzaImgNext2;
  to.RoundCount1 = from.RoundCount1;
  to.RoundCount2 = from.RoundCount2;
  to.p1 = from.p1;
}

// A slot as the rules read it: everything but its picture. A trial shows
// nothing, and no rule chooses by a picture (a play only passes pictures on
// to the strips and displays a trial leaves unread), so a trial's pictures
// may lag behind the game's.
template <typename Slots>
void copyRead(Slots& to, const Slots& from) {
  auto out = to.begin();
  for (const CardSlot& slot : from) {
    out->Tag = slot.Tag;
    out->ToolTipText = slot.ToolTipText;
    out->Visible = slot.Visible;
    out->Enabled = slot.Enabled;
    ++out;
  }
}

// Copies what one play reads. The library, the stock, the deck order, the
// results and the random numbers belong to dealing and scoring a deal, which
// no single play reaches; the strips, Qorza displays, labels and names are
// only written by a play (a strip place or display is chosen by the copied
// counters), and so is game1, the computer's copy of the table, which its
// turn fills before reading. A trial leaves all of these as they were. The
// hands are left out when the caller writes them itself.
void copyPlayState(Game& to, const Game& from, bool withHands) {
  copyRead(to.game, from.game);
  if (withHands) {
    copyRead(to.Player1, from.Player1);
    copyRead(to.Player2, from.Player2);
    copyRead(to.Player02, from.Player02);
  }
  copyCounters(to, from);
  to.SoundFolder = from.SoundFolder;
  to.ScoreTable = from.ScoreTable;
  to.p2 = from.p2;
}

// The game a trial plays on, kept from trial to trial (on this thread): a
// whole copy the first time and for another desktop, afterwards only the
// play's state (without the hands when the caller writes them all).
Game& trialCopy(const Game& g, bool withHands) {
  thread_local QuietPlatform quiet;
  thread_local std::optional<Game> trial;
  thread_local const Platform* copiedFrom = nullptr;
  if (trial && copiedFrom == &g.platform()) {
    copyPlayState(*trial, g, withHands);
  } else {
    trial.emplace(g, quiet);
    copiedFrom = &g.platform();
  }
  return *trial;
}

// The seats exchanged: player 1's hand becomes the computer's (face in
// Player02, back in Player2) and player 2's hand the one it may read. Each
// slot is written once, field by field, its picture left out.
Game& mirrored(const Game& g, int level) {
  Game& m = trialCopy(g, false);
  for (int i = 1; i <= 6; ++i) {
    const CardSlot& mine = g.Player1(i);
    const CardSlot& theirs = g.Player2(i);
    const CardSlot& theirFace = g.Player02(i);
    CardSlot& toMine = m.Player1(i);
    toMine.Tag = theirs.Tag;
    toMine.ToolTipText = theirs.ToolTipText;
    toMine.Visible = theirs.Visible;
    toMine.Enabled = theirs.Enabled;
    CardSlot& toTheirs = m.Player2(i);
    toTheirs.Tag = mine.Tag;
    toTheirs.ToolTipText = mine.ToolTipText;
    toTheirs.Visible = mine.Visible;
    toTheirs.Enabled = mine.Enabled;
    CardSlot& toFace = m.Player02(i);
    toFace.Tag = theirFace.Tag;
    toFace.ToolTipText = theirFace.ToolTipText;
    toFace.Visible = mine.Visible;
    toFace.Enabled = theirFace.Enabled;
  }
  m.SkillLevel = level;
  return m;
}

}  // namespace

Game& playTrial(const Game& g) { return trialCopy(g, true); }

void undoPlayer1Trial(Game& trial, const Game& g) {
  copyRead(trial.game, g.game);
  copyRead(trial.Player1, g.Player1);
  copyCounters(trial, g);
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

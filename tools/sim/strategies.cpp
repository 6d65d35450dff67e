#include "tools/sim/strategies.h"

#include <array>
#include <optional>
#include <vector>

#include "game/card_values.h"
#include "game/game_state.h"
#include "game/numbers.h"
#include "rules/player1/player1_play.h"
#include "rules/player2/player2_play.h"
#include "tools/sim/sim_platform.h"

namespace qorza::sim {

namespace {

constexpr std::array<std::string_view, 5> kNames = {"random", "greedy", "level1", "level2",
                                                    "level3"};

std::vector<int> shownPositions(const Game& g) {
  std::vector<int> positions;
  for (int i = 1; i <= 6; ++i) {
    if (g.Player1(i).Visible) {
      positions.push_back(i);
    }
  }
  return positions;
}

int randomPosition(const std::vector<int>& positions, std::mt19937_64& rng) {
  std::uniform_int_distribution<std::size_t> pick(0, positions.size() - 1);
  return positions[pick(rng)];
}

// No card takes anything: the lowest that is not a Jack, else the first.
int lowestNonJack(const Game& g, const std::vector<int>& positions) {
  int best = positions.front();
  int bestValue = 99;
  for (const int k : positions) {
    const int v = valueOf(g.Player1(k));
    if (v != kJack && v < bestValue) {
      best = k;
      bestValue = v;
    }
  }
  return best;
}

// Copies what one play reads. The library, the stock, the deck order, the
// results and the random numbers belong to dealing and scoring a deal, which
// no single play reaches; the strips, Qorza displays, labels and names are
// only written by a play (a strip place or display is chosen by the copied
// counters), and so is game1, the computer's copy of the table, which its
// turn fills before reading. A trial leaves all of these as they were. The
// hands are left out when the caller writes them itself.
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

void copyPlayState(Game& to, const Game& from, bool withHands) {
  to.game = from.game;
  if (withHands) {
    to.Player1 = from.Player1;
    to.Player2 = from.Player2;
    to.Player02 = from.Player02;
  }
  copyCounters(to, from);
  to.SoundFolder = from.SoundFolder;
  to.ScoreTable = from.ScoreTable;
  to.p2 = from.p2;
}

// Sets a copy back after player 1's play was tried on it: that play writes
// none of the computer's hand, its scratch, the scores or the sound folder.
void undoPlayer1Trial(Game& trial, const Game& g) {
  trial.game = g.game;
  trial.Player1 = g.Player1;
  copyCounters(trial, g);
}

// The game a trial plays on, kept from trial to trial: a whole copy the
// first time and for another platform, afterwards only the play's state
// (without the hands when the caller writes them all).
Game& trialCopy(const Game& g, bool withHands = true) {
  thread_local std::optional<Game> trial;
  if (trial && &trial->platform() == &g.platform()) {
    copyPlayState(*trial, g, withHands);
  } else {
    trial.emplace(g);
  }
  return *trial;
}

// Tries every card with player 1's own rules: a Qorza first, then the most
// cards taken (the first on a tie), then the lowest card that is not a Jack.
int greedyPosition(const Game& g, const std::vector<int>& positions) {
  int best = 0;
  long long bestTaken = 0;
  Game& trial = trialCopy(g);
  for (const int k : positions) {
    if (k != positions.front()) {
      undoPlayer1Trial(trial, g);
    }
    H1_player1(trial, k);
    if (numberOf(trial.txt_qorza(1).Text) > numberOf(g.txt_qorza(1).Text)) {
      return k;
    }
    const bool takes = !trial.p1.TableWasEmpty &&
                       (trial.p1.EqualTaken || trial.p1.SumTaken || trial.p1.JackPlayed);
    const long long taken =
        wholeNumberOf(trial.TXT_CARD(1).Text) - wholeNumberOf(g.TXT_CARD(1).Text);
    if (takes && taken > bestTaken) {
      best = k;
      bestTaken = taken;
    }
  }
  return best != 0 ? best : lowestNonJack(g, positions);
}

// The seats exchanged: player 1's hand becomes the computer's (face in
// Player02, back in Player2) and player 2's hand the one it may read.
Game& mirrored(const Game& g, int level) {
  Game& m = trialCopy(g, false);
  for (int i = 1; i <= 6; ++i) {
    const CardSlot& mine = g.Player1(i);
    const CardSlot& theirs = g.Player2(i);
    CardSlot& toMine = m.Player1(i);
    toMine.Picture = g.Player02(i).Picture;
    toMine.Tag = theirs.Tag;
    toMine.ToolTipText = theirs.ToolTipText;
    toMine.Visible = theirs.Visible;
    toMine.Enabled = theirs.Enabled;
    CardSlot& toTheirs = m.Player2(i);
    toTheirs.Picture = g.STANSARD.Picture;
    toTheirs.Tag = mine.Tag;
    toTheirs.ToolTipText = mine.ToolTipText;
    toTheirs.Visible = mine.Visible;
    toTheirs.Enabled = mine.Enabled;
    CardSlot& toFace = m.Player02(i);
    toFace.Picture = mine.Picture;
    toFace.Tag = g.Player02(i).Tag;
    toFace.ToolTipText = g.Player02(i).ToolTipText;
    toFace.Visible = mine.Visible;
    toFace.Enabled = g.Player02(i).Enabled;
  }
  m.SkillLevel = level;
  return m;
}

// The position the computer's rules would play from player 1's seat.
int computerRulesPosition(const Game& g, int level, const std::vector<int>& positions) {
  Game& m = mirrored(g, level);
  H2_player2(m, 1);
  for (const int k : positions) {
    if (!m.Player2(k).Visible) {
      return k;
    }
  }
  return positions.front();
}

}  // namespace

std::string strategyName(Strategy s) { return std::string(kNames[static_cast<std::size_t>(s)]); }

std::optional<Strategy> parseStrategy(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (kNames[i] == name) {
      return static_cast<Strategy>(i);
    }
  }
  return std::nullopt;
}

int choosePosition(Strategy s, const Game& g, SimPlatform& platform, std::mt19937_64& rng) {
  const std::vector<int> positions = shownPositions(g);
  if (positions.empty()) {
    return 1;
  }
  TrialGuard guard(platform);
  switch (s) {
    case Strategy::Random:
      return randomPosition(positions, rng);
    case Strategy::Greedy:
      return greedyPosition(g, positions);
    case Strategy::Level1:
      return computerRulesPosition(g, 1, positions);
    case Strategy::Level2:
      return computerRulesPosition(g, 2, positions);
    case Strategy::Level3:
      return computerRulesPosition(g, 3, positions);
  }
  return positions.front();
}

}  // namespace qorza::sim

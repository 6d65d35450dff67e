// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/flow/undo.h"

namespace qorza {

void UndoHistory::beforeTurn(const Game& game) {
  if (!positions_.empty() && !sameDeal(positions_.back(), game)) {
    positions_.clear();
  }
  positions_.push_back(game);
  turnMark_ = game.TurnInHand;
  dealtMark_ = game.DealtCount;
}

void UndoHistory::afterTurn(const Game& game) {
  if (positions_.empty()) {
    return;
  }
  // A deal that ends deals the next one at once: fewer cards dealt.
  if (game.DealtCount < dealtMark_) {
    positions_.clear();
    return;
  }
  const bool played = game.TurnInHand != turnMark_ || game.DealtCount != dealtMark_;
  if (!played) {
    positions_.pop_back();
  }
}

bool UndoHistory::canUndo(const Game& game) const {
  return !positions_.empty() && sameDeal(positions_.back(), game);
}

bool UndoHistory::undo(Game& game) {
  if (!canUndo(game)) {
    positions_.clear();
    return false;
  }
  restorePlay(game, positions_.back());
  positions_.pop_back();
  return true;
}

bool sameDeal(const Game& position, const Game& game) {
  if (position.DeckSize != game.DeckSize || position.HandSize != game.HandSize ||
      position.RoundCount1 != game.RoundCount1 || position.ScoreTable(1) != game.ScoreTable(1) ||
      position.ScoreTable(2) != game.ScoreTable(2) || game.DealtCount < position.DealtCount) {
    return false;
  }
  for (int i = 1; i <= game.DeckSize; ++i) {
    if (position.card(i).Picture != game.card(i).Picture) {
      return false;
    }
  }
  return true;
}

void restorePlay(Game& game, const Game& position) {
  const Game now(game);
  game = Game(position, game.platform());
  game.PlayerName = now.PlayerName;
  for (int p = 1; p <= 2; ++p) {
    game.lbl_n_player(p).Caption = now.lbl_n_player(p).Caption;
  }
  game.SkillLevel = now.SkillLevel;
  game.DelayMs = now.DelayMs;
  game.SoundOn = now.SoundOn;
  game.winningPointsText = now.winningPointsText;
  game.SoundFolder = now.SoundFolder;
  game.Activated = now.Activated;
  game.MNU_RESULTS_Enabled = now.MNU_RESULTS_Enabled;
  game.frm_results = now.frm_results;
  game.presetDeck = now.presetDeck;  // asked for the next deal, not played
  // A back chosen since shows on the computer's cards, as the options' OK
  // turns them.
  if (now.chosenBack != position.chosenBack) {
    game.chosenBack = now.chosenBack;
    game.STANSARD.Picture = now.chosenBack;
    game.img_latch(1).Picture = now.chosenBack;
    game.img_latch(2).Picture = now.chosenBack;
    for (int k = 1; k <= game.HandSize; ++k) {
      game.Player2(k).Picture = now.chosenBack;
    }
  }
}

}  // namespace qorza

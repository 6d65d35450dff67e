// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/headless_platform.h"

#include "game/game_state.h"
#include "game/new_game_options.h"

namespace qorza::script {

void HeadlessPlatform::playSound(const std::string& path) {
  if (!recordSounds) {
    return;
  }
  const auto slash = path.find_last_of("/\\");
  sounds_.push_back(slash == std::string::npos ? path : path.substr(slash + 1));
}

bool HeadlessPlatform::runNewGameDialog(Game& game) {
  // The dialog starts at the normal variant whatever the deck in play.
  // A refused OK (an empty name) leaves the dialog, and the match, as it was.
  const NewGameChoice choice{false, game.HandSize == 6, game.PlayerName(1)};
  const NewGameSettings kept = keepNewGameSettings(game);
  if (applyNewGameOptions(game, choice)) {
    return true;
  }
  restoreNewGameSettings(game, kept);
  return false;
}

void HeadlessPlatform::showResults(Game& game) { lastResults_ = game.frm_results; }

std::vector<std::string> HeadlessPlatform::takeSounds() {
  std::vector<std::string> taken;
  taken.swap(sounds_);
  return taken;
}

}  // namespace qorza::script

// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop as the headless tools see it: no pauses, no sound (only the
// names of the files asked for), and every modal window answered with OK.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/platform.h"
#include "game/results_model.h"

namespace qorza::script {

class HeadlessPlatform : public Platform {
 public:
  void doEvents() override {}
  void sleepMs(int /*ms*/) override {}
  void playSound(const std::string& path) override;

  // The new-game dialog's OK as it opens: the normal variant, the game's
  // hand size and name (the level is already the game's own).
  bool runNewGameDialog(Game& game) override;
  // Keeps a copy of the window as shown; the logic runs its OK afterwards.
  void showResults(Game& game) override;

  // Sound file names (without folder) asked for since the last call.
  std::vector<std::string> takeSounds();

  // The results window as it was when last shown; none if never shown.
  const std::optional<ResultsWindowModel>& lastResults() const { return lastResults_; }

  bool recordSounds = true;

 private:
  std::vector<std::string> sounds_;
  std::optional<ResultsWindowModel> lastResults_;
};

}  // namespace qorza::script

// SPDX-License-Identifier: GPL-3.0-or-later
// A platform for tests: never sleeps (it records the pauses), plays nothing
// (it records the files asked for), and answers the modal windows.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/new_game_options.h"

namespace qorza::testing {

class FakePlatform : public Platform {
 public:
  void doEvents() override { ++eventRuns; }
  void sleepMs(int ms) override { pauses.push_back(ms); }
  void playSound(const std::string& path) override { sounds.push_back(path); }

  bool runNewGameDialog(Game& game) override {
    ++newGameDialogs;
    if (!newGameAnswer) {
      return false;
    }
    return applyNewGameOptions(game, *newGameAnswer);
  }
  void showResults(Game& game) override {
    ++resultsShown;
    if (onResults) {
      onResults(game);
    }
  }

  // Sound file names without the folder, in the order asked for.
  std::vector<std::string> soundFiles() const;

  int eventRuns = 0;
  std::vector<int> pauses;
  std::vector<std::string> sounds;
  int newGameDialogs = 0;
  std::optional<NewGameChoice> newGameAnswer = NewGameChoice{false, true, "Tester"};
  int resultsShown = 0;
  std::function<void(Game&)> onResults;
};

}  // namespace qorza::testing

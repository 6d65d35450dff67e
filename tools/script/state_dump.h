// SPDX-License-Identifier: GPL-3.0-or-later
// What a script's dump prints: the game's visible state as one JSON object
// with a fixed key order.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace qorza {
struct Game;
}

namespace qorza::script {

class HeadlessPlatform;

// The state of the game as one line of compact JSON text; takes the sounds
// asked for since the last dump.
std::string stateText(const Game& game, HeadlessPlatform& platform);

// The same state as a JSON object.
nlohmann::ordered_json dumpState(const Game& game, HeadlessPlatform& platform);

}  // namespace qorza::script

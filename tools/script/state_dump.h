// What a script's dump prints: the game's visible state as one JSON object
// with a fixed key order.
#pragma once

#include <nlohmann/json.hpp>

namespace qorza {
struct Game;
}

namespace qorza::script {

class HeadlessPlatform;

// The state of the game; takes the sounds asked for since the last dump.
nlohmann::ordered_json dumpState(const Game& game, HeadlessPlatform& platform);

}  // namespace qorza::script

// SPDX-License-Identifier: GPL-3.0-or-later
// How the simulator plays player 1's seat: a random card, a greedy capture,
// or the computer's own rules for levels 1 to 3 applied from that seat, or
// the expert from player 1's own observation.
#pragma once

#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace qorza {
struct Game;
}

namespace qorza::sim {

class SimPlatform;

enum class Strategy { Random, Greedy, Level1, Level2, Level3, Level4 };

std::string strategyName(Strategy strategy);
std::optional<Strategy> parseStrategy(std::string_view name);

// The hand position (1..6) player 1 plays now. Trials run on copies of the
// game with the platform's hooks held off.
int choosePosition(Strategy strategy, const Game& game, SimPlatform& platform,
                   std::mt19937_64& rng);

}  // namespace qorza::sim

// SPDX-License-Identifier: GPL-3.0-or-later
// The saved match: a match saved anywhere and loaded into a fresh game plays
// on exactly as the saved one does; damaged text is refused whole.
#include "game/saved_match.h"

#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "tools/script/state_dump.h"
#include "tools/sim/sim_platform.h"
#include "tools/sim/strategies.h"

namespace qorza {
namespace {

using json = nlohmann::ordered_json;
using sim::Strategy;

// A game set up as the simulator starts one, its sounds recorded for dumps.
struct Table {
  sim::SimPlatform platform;
  Game game{platform};

  Table(int deckSize, int handSize, int level, const std::string& target) {
    platform.recordSounds = true;
    Form_Load(game, "./");
    applyStartupDefaults(game);
    game.DelayMs = 0;
    game.SkillLevel = level;
    applyNewGameOptions(game, {deckSize == 44, handSize == 6, "sim"});
    game.winningPointsText = target;
  }
  Table() : Table(52, 6, 2, "101") {}

  // One turn by the strategy; the state afterwards.
  std::string turn(Strategy strategy, std::mt19937_64& rng) {
    Player1_Click(game, sim::choosePosition(strategy, game, platform, rng));
    return script::stateText(game, platform);
  }
};

// One turn of a match: the game before it, the strategy's random numbers
// then, and the dump after it.
struct Step {
  Game before;
  std::mt19937_64 strategyRng;
  std::string dump;
};

struct Pairing {
  int deckSize;
  int handSize;
  int level;
  Strategy strategy;
};

// Plays one seeded match to its end (the scores start again) and records
// every turn.
std::vector<Step> playMatch(Table& t, const Pairing& p, std::uint64_t seed) {
  t.game.rng.fixSeed(seed);
  std::mt19937_64 strategyRng(seed);
  mnu_new_Click(t.game);
  script::stateText(t.game, t.platform);  // the deal's sounds
  std::vector<Step> steps;
  int roundsBefore = 0;
  while (!(roundsBefore > 0 && t.game.RoundCount1 == 0) && steps.size() < 2000) {
    roundsBefore = t.game.RoundCount1;
    steps.push_back({t.game, strategyRng, {}});
    steps.back().dump = t.turn(p.strategy, strategyRng);
  }
  return steps;
}

// A dump as the resumed game would print it: until it has shown the results
// window itself, the window's last showing is the other process's.
std::string comparable(const std::string& dump, const Table& resumed) {
  if (resumed.platform.lastResults()) {
    return dump;
  }
  json doc = json::parse(dump);
  doc["results"] = nullptr;
  return doc.dump();
}

// Every variant and level, each against another strategy of player 1.
std::vector<Pairing> allPairings() {
  const std::vector<Strategy> strategies = {Strategy::Random, Strategy::Greedy, Strategy::Level3,
                                            Strategy::Level1};
  std::vector<Pairing> pairings;
  for (const auto& [deck, hand] : {std::pair{52, 6}, {52, 4}, {44, 4}}) {
    for (int level = 1; level <= 3; ++level) {
      pairings.push_back({deck, hand, level, strategies[pairings.size() % strategies.size()]});
    }
  }
  return pairings;
}

TEST(SavedMatch, ALoadedMatchPlaysOnAsTheSavedOneWouldHave) {
  std::mt19937 pick(7);
  std::uint64_t seed = 11;
  for (const Pairing& p : allPairings()) {
    Table original(p.deckSize, p.handSize, p.level, "41");
    const std::vector<Step> steps = playMatch(original, p, ++seed);
    ASSERT_GT(steps.size(), 10u);
    for (int point = 0; point < 3; ++point) {
      const std::size_t from =
          std::uniform_int_distribution<std::size_t>(0, steps.size() - 1)(pick);
      SCOPED_TRACE(sim::strategyName(p.strategy) + " level " + std::to_string(p.level) + " " +
                   std::to_string(p.deckSize) + "/" + std::to_string(p.handSize) + ", turn " +
                   std::to_string(from));
      Table resumed(52, 6, 2, "101");  // the text brings its own options
      std::string error;
      ASSERT_TRUE(loadMatch(resumed.game, saveMatch(steps[from].before), &error)) << error;
      std::mt19937_64 strategyRng = steps[from].strategyRng;
      for (std::size_t i = from; i < steps.size(); ++i) {
        const std::string dump = resumed.turn(p.strategy, strategyRng);
        ASSERT_EQ(dump, comparable(steps[i].dump, resumed)) << "turn " << i;
      }
      EXPECT_EQ(saveMatch(resumed.game), saveMatch(original.game));
    }
  }
}

TEST(SavedMatch, SavingLeavesTheGameAsItWasAndLoadingItsTextChangesNothing) {
  Table t;
  t.game.rng.fixSeed(3);
  mnu_new_Click(t.game);
  std::mt19937_64 rng(3);
  t.turn(Strategy::Greedy, rng);
  const std::string text = saveMatch(t.game);
  EXPECT_EQ(saveMatch(t.game), text);
  ASSERT_TRUE(loadMatch(t.game, text));
  EXPECT_EQ(saveMatch(t.game), text);
  const json doc = json::parse(text);
  EXPECT_EQ(doc.at("format"), "qorza-match");
  EXPECT_EQ(doc.at("version"), 1);
}

TEST(SavedMatch, TheGameKeepsItsOwnDesktop) {
  Table saved;
  saved.game.rng.fixSeed(4);
  mnu_new_Click(saved.game);
  Table other;
  ASSERT_TRUE(loadMatch(other.game, saveMatch(saved.game)));
  EXPECT_EQ(&other.game.platform(), &other.platform);
}

// A match part-way through its first deal: the sample the damage tests spoil.
struct Sample {
  Table table;
  std::string text;
  Sample() {
    table.game.rng.fixSeed(9);
    mnu_new_Click(table.game);
    std::mt19937_64 rng(9);
    table.turn(Strategy::Level3, rng);
    table.turn(Strategy::Level3, rng);
    text = saveMatch(table.game);
  }
};

// The load fails and says why. (Whether the game stayed as it was, each
// test checks once at its end: a load that changed it would show there.)
void expectRefused(Table& t, const std::string& text, const std::string& what) {
  std::string error;
  EXPECT_FALSE(loadMatch(t.game, text, &error)) << what;
  EXPECT_FALSE(error.empty()) << what;
}

// A game that a refused load must leave as it was.
struct Target {
  Table table;
  std::string before;
  Target() {
    table.game.rng.fixSeed(1);
    mnu_new_Click(table.game);
    before = saveMatch(table.game);
  }
  ~Target() { EXPECT_EQ(saveMatch(table.game), before); }
};

TEST(SavedMatchDamage, TextCutShortAnywhereIsRefused) {
  const Sample sample;
  Target target;
  const std::size_t whole = sample.text.find_last_not_of("\n") + 1;
  for (std::size_t cut = 0; cut < whole; ++cut) {
    std::string error;
    ASSERT_FALSE(loadMatch(target.table.game, std::string_view(sample.text).substr(0, cut), &error))
        << cut;
    ASSERT_FALSE(error.empty());
  }
  // Closed again by a brace, a cut text reaches the parser and the fields;
  // every seventh place keeps the test quick.
  const std::size_t lastBrace = sample.text.rfind('}');
  for (std::size_t cut = 0; cut < lastBrace; cut += 7) {
    const std::string closed = sample.text.substr(0, cut) + "}";
    ASSERT_FALSE(loadMatch(target.table.game, closed)) << cut;
  }
}

// Values of other types than node's: null, and one that a careless reader
// might take for it.
std::vector<json> otherTypes(const json& node) {
  if (node.is_string()) return {nullptr, 7};
  if (node.is_boolean()) return {nullptr, 1};
  if (node.is_number()) return {nullptr, "7", 2.5};
  if (node.is_array()) return {nullptr, json::object()};
  return {nullptr, json::array()};
}

TEST(SavedMatchDamage, AValueOfTheWrongTypeAnywhereIsRefused) {
  const Sample sample;
  Target target;
  Table& t = target.table;
  json doc = json::parse(sample.text);
  // Every value down to the items of each list's first entry.
  std::function<void(json&, const std::string&, int)> walk =
      [&](json& node, const std::string& path, int depth) {
        for (const json& value : otherTypes(node)) {
          const json kept = node;
          node = value;
          expectRefused(t, doc.dump(), path + " = " + value.dump());
          node = kept;
        }
        if (depth == 4) {
          return;
        }
        if (node.is_object()) {
          for (auto it = node.begin(); it != node.end(); ++it) {
            walk(it.value(), path + "." + it.key(), depth + 1);
          }
        } else if (node.is_array() && !node.empty()) {
          walk(node.front(), path + ".first", depth + 1);
          walk(node.back(), path + ".last", depth + 1);
        }
      };
  for (auto it = doc.begin(); it != doc.end(); ++it) {
    walk(it.value(), it.key(), 1);
  }
}

TEST(SavedMatchDamage, AMissingFieldIsRefused) {
  const Sample sample;
  Target target;
  Table& t = target.table;
  const json doc = json::parse(sample.text);
  for (auto it = doc.begin(); it != doc.end(); ++it) {
    json spoilt = doc;
    spoilt.erase(it.key());
    expectRefused(t, spoilt.dump(), it.key());
  }
}

TEST(SavedMatchDamage, ValuesTheGameCannotHoldAreRefused) {
  const Sample sample;
  Target target;
  Table& t = target.table;
  const json doc = json::parse(sample.text);
  const std::vector<std::pair<std::string, json>> spoilt = {
      {"/DeckSize", 50},
      {"/HandSize", 5},
      {"/SkillLevel", 5},
      {"/SkillLevel", 0},
      {"/DealtCount", 53},
      {"/DealtCount", -1},
      {"/TurnInHand", 7},
      {"/CardImgNext1", 12},
      {"/QorzaImgNext2", 0},
      {"/ScoreTable/0", json::parse("1e30")},
      {"/ScoreTable/0", json::parse("18446744073709551615")},
      {"/ScoreTable/0", 2.5},
      {"/DeckOrder/3", "53"},
      {"/DeckOrder/3", "x"},
      {"/presetDeck", {1, 2, 60}},
      {"/game/0/0", "heart_99"},       // no such picture
      {"/game/0/0", "hearts_5"},       // nor this
      {"/game/0/1", "14"},             // no rank
      {"/card/20/2", "3"},             // no point marker
      {"/p2/TakeEqual/0/Slot/0", 11},  // no table slot
      {"/p1/TableSlot/0", -1},
      {"/frm_results/NewestRow", 400},
      {"/frm_results/Grid1/0", json::array({json::array({"a", false})})},
      {"/rng/state", "1 2 3"},
      {"/chosenBack", "heart_5"},
      {"/winningPointsText", 101},
      {"/Player1/0", json::array({"heart_5", "5", "", true})},
  };
  for (const auto& [pointer, value] : spoilt) {
    json bad = doc;
    bad[json::json_pointer(pointer)] = value;
    expectRefused(t, bad.dump(), pointer + " = " + value.dump());
  }
  // A face must carry its own rank and marker.
  json bad = doc;
  const std::string picture = bad["/card/1/0"_json_pointer];
  bad["/card/1/1"_json_pointer] = picture == "spade_1" ? "2" : "1";
  expectRefused(t, bad.dump(), "a face with another rank");
}

TEST(SavedMatchDamage, ANewerVersionOrAnotherFormatIsRefused) {
  const Sample sample;
  Target target;
  Table& t = target.table;
  json doc = json::parse(sample.text);
  doc["version"] = 2;
  std::string error;
  EXPECT_FALSE(loadMatch(t.game, doc.dump(), &error));
  EXPECT_NE(error.find("newer"), std::string::npos) << error;
  for (const json& version : {json(0), json("1"), json(1.0), json(nullptr)}) {
    doc["version"] = version;
    expectRefused(t, doc.dump(), "version " + version.dump());
  }
  doc["version"] = 1;
  doc["format"] = "qorza-settings";
  expectRefused(t, doc.dump(), "another format");
  for (const char* text : {"", "[]", "null", "{}", "\xff\xfe", "{\"format\":\"qorza-match\"}"}) {
    expectRefused(t, text, text);
  }
}

TEST(SavedMatchDamage, RandomByteFlipsNeverCrashAndARefusalChangesNothing) {
  const Sample sample;
  Target target;
  const Game kept = target.table.game;
  std::mt19937 rng(5);
  std::uniform_int_distribution<std::size_t> at(0, sample.text.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  int refused = 0;
  for (int trial = 0; trial < 400; ++trial) {
    std::string text = sample.text;
    for (int flips = 1 + trial % 3; flips > 0; --flips) {
      text[at(rng)] = static_cast<char>(byte(rng));
    }
    if (loadMatch(target.table.game, text)) {
      target.table.game = kept;  // a flip inside a name or caption still loads
    } else {
      ++refused;
    }
  }
  EXPECT_GT(refused, 200);
}

TEST(SavedMatchResume, OnlyAMatchWithATurnPlayedAndNoVerdictIsWorthResuming) {
  Table t(52, 6, 2, "21");
  EXPECT_TRUE(matchUnplayed(t.game));  // nothing dealt yet
  t.game.rng.fixSeed(2);
  mnu_new_Click(t.game);
  EXPECT_TRUE(matchUnplayed(t.game));
  std::mt19937_64 rng(2);
  t.turn(Strategy::Greedy, rng);
  EXPECT_FALSE(matchUnplayed(t.game));
  // Played to its end, the match is followed by the next one's first deal.
  int rounds = 0;
  while (!(rounds > 0 && t.game.RoundCount1 == 0)) {
    rounds = t.game.RoundCount1;
    t.turn(Strategy::Greedy, rng);
  }
  EXPECT_TRUE(matchUnplayed(t.game));
}

}  // namespace
}  // namespace qorza

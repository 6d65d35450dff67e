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

#include "game/bounds.h"
#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "game/reachable_position.h"
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

// The verdict is written in the words every version of the game wrote and
// reads, whatever language the windows speak.
TEST(SavedMatch, TheVerdictTravelsInTheWordsOfEveryVersion) {
  const std::pair<Verdict, std::string> verdicts[] = {
      {Verdict::None, ""},
      {Verdict::Player1Won, "تهانينا لقد ربحت......."},
      {Verdict::Player2Won, "لقد خسرت مع الأسف حاول مرة أخرى"}};
  for (const auto& [verdict, words] : verdicts) {
    Table t;
    t.game.rng.fixSeed(3);
    mnu_new_Click(t.game);
    t.game.frm_results.verdict = verdict;
    const std::string text = saveMatch(t.game);
    EXPECT_EQ(json::parse(text).at("frm_results").at("Label1Caption"), words);
    Table resumed;
    ASSERT_TRUE(loadMatch(resumed.game, text)) << words;
    EXPECT_EQ(resumed.game.frm_results.verdict, verdict);
  }
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
      {"/frm_results/Label1Caption", "Congratulations, you won!"},  // a verdict in other words
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

// Every position between two turns of seeded matches, over each variant and
// level, is one the loader takes.
TEST(SavedMatchPosition, EveryPositionOfPlayLoads) {
  std::uint64_t seed = 40;
  for (const Pairing& p : allPairings()) {
    Table t(p.deckSize, p.handSize, p.level, "61");
    const std::vector<Step> steps = playMatch(t, p, ++seed);
    for (std::size_t i = 0; i < steps.size(); ++i) {
      Table resumed;
      std::string error;
      ASSERT_TRUE(loadMatch(resumed.game, saveMatch(steps[i].before), &error))
          << p.deckSize << "/" << p.handSize << " level " << p.level << " turn " << i << ": "
          << error;
    }
    EXPECT_EQ(unreachablePosition(t.game), std::nullopt);
  }
}

// A match two turns into its first deal of the variant.
Game playedSample(Table& t, std::uint64_t seed) {
  t.game.rng.fixSeed(seed);
  mnu_new_Click(t.game);
  std::mt19937_64 rng(seed);
  t.turn(Strategy::Greedy, rng);
  t.turn(Strategy::Greedy, rng);
  return t.game;
}

int firstShown(const SlotArray<CardSlot, 1, 6>& hand) {
  for (int i = 1; i <= 6; ++i) {
    if (hand(i).Visible) return i;
  }
  return 0;
}

// The mended faults: each spoils a position play reached in one way, and
// the load is refused naming it.
struct Spoilt {
  std::string name;
  int deckSize;
  int handSize;
  std::function<void(Game&)> spoil;
  const char* reason;
};

TEST(SavedMatchPosition, PositionsNoGameReachesAreRefused) {
  std::string zeros;
  for (int i = 0; i < 312; ++i) zeros += "0 ";
  std::vector<Spoilt> cases = {
      {"a card twice", 52, 6,
       [](Game& g) {
         g.game(10) = g.Player1(firstShown(g.Player1));
         g.game(10).Visible = true;
       },
       "is also at"},
      {"a card lost", 52, 6, [](Game& g) { g.TXT_CARD(2).Text = "1"; }, "not 52"},
      {"a Queen in a 44-card deal", 44, 4, [](Game& g) { copyCard(g.card(44), libraryCard(45)); },
       "no card of a 44-card deck"},
      {"no card in the stock", 52, 4, [](Game& g) { g.card(52) = {}; }, "card.52"},
      {"a hand past its size", 52, 4,
       [](Game& g) {
         g.Player1(6) = g.card(50);
         g.Player1(6).Visible = true;
       },
       "past the hand size"},
      {"hands fuller than the turns leave", 52, 6, [](Game& g) { g.TurnInHand = 3; }, "turns"},
      {"a turn past the hand", 52, 4, [](Game& g) { g.TurnInHand = 4; }, "TurnInHand"},
      {"a count between hands", 52, 6, [](Game& g) { g.DealtCount = 22; }, "DealtCount"},
      {"points over 13", 52, 6, [](Game& g) { g.TXT_POINT(1).Text = "14"; }, "TXT_POINT.1"},
      {"a strip place past its cards", 52, 6, [](Game& g) { g.CardImgNext1 = 11; }, "img_card1"},
      {"a score below 0", 44, 4, [](Game& g) { g.ScoreTable(2) = -3; }, "ScoreTable"},
      {"a preset deck of one card", 52, 6, [](Game& g) { g.presetDeck.assign(52, 1); },
       "presetDeck"},
      {"a generator of zeros", 52, 6,
       [&zeros](Game& g) { ASSERT_TRUE(g.rng.restore(zeros + "312", true)); }, "rng"},
      {"a long name", 52, 6, [](Game& g) { g.PlayerName(2) = std::string(201, 'n'); },
       "PlayerName.2"},
      {"a slow card", 52, 6, [](Game& g) { g.DelayMs = 3001; }, "DelayMs"},
      {"a deal past the top", 52, 6, [](Game& g) { g.RoundCount1 = 10000; }, "RoundCount1"},
  };
  for (const std::string target : {"", "-50", "nan", "0", "0101", "1000000000", "1e3"}) {
    cases.push_back({"target '" + target + "'", 52, 6,
                     [target](Game& g) { g.winningPointsText = target; }, "winningPointsText"});
  }
  cases.push_back({"a target of 400 digits", 52, 6,
                   [](Game& g) { g.winningPointsText = std::string(400, '9'); },
                   "winningPointsText"});
  for (const Spoilt& c : cases) {
    Table t(c.deckSize, c.handSize, 2, "101");
    Game spoilt = playedSample(t, 17);
    c.spoil(spoilt);
    std::string error;
    EXPECT_FALSE(loadMatch(t.game, saveMatch(spoilt), &error)) << c.name;
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
  }
}

// The edges of what the dialogs and play give are taken.
TEST(SavedMatchPosition, TheEdgesOfEachRangeLoad) {
  Table t;
  Game edges = playedSample(t, 5);
  edges.PlayerName(1) = std::string(200, 'n');
  edges.PlayerName(2) = std::string(50, 'n') + "\xf0\x9f\x82\xa1";  // a card, two units
  edges.winningPointsText = "999999999";
  edges.DelayMs = 3000;
  edges.RoundCount1 = edges.RoundCount2 = 9999;
  std::string error;
  EXPECT_TRUE(loadMatch(t.game, saveMatch(edges), &error)) << error;
  edges.PlayerName(2) = std::string(199, 'n') + "\xf0\x9f\x82\xa1";
  EXPECT_FALSE(loadMatch(t.game, saveMatch(edges), &error));
}

// A match past the last deal the counters hold goes on counting at the top
// and scoring in the last row, and still saves and loads.
TEST(SavedMatchPosition, DealCountersStopAtTheirTop) {
  Table t(52, 4, 1, "999999999");
  playedSample(t, 9);
  Game& g = t.game;
  g.RoundCount1 = g.RoundCount2 = bounds::kDealCount.hi;
  std::mt19937_64 rng(9);
  while (g.DealtCount != 12 || g.TurnInHand != 0) {  // into the next deal
    t.turn(Strategy::Random, rng);
  }
  EXPECT_EQ(g.RoundCount1, bounds::kDealCount.hi);
  EXPECT_EQ(g.RoundCount2, bounds::kDealCount.hi);
  EXPECT_EQ(g.frm_results.NewestRow, bounds::kDealCount.hi);
  Table resumed;
  std::string error;
  EXPECT_TRUE(loadMatch(resumed.game, saveMatch(g), &error)) << error;
}

// A field nested far deeper than any the game writes is refused before it
// is parsed; deep enough, it would overflow the stack.
TEST(SavedMatchPosition, DeepNestingIsRefusedUnparsed) {
  Table t;
  const std::string text = saveMatch(playedSample(t, 6));
  const std::string deep =
      "{\"unknown\":" + std::string(60000, '[') + std::string(60000, ']') + "," + text.substr(1);
  std::string error;
  EXPECT_FALSE(loadMatch(t.game, deep, &error));
  EXPECT_EQ(error, "not JSON text");
  // Brackets inside a name are text, not nesting.
  Game named = t.game;
  named.PlayerName(1) = "[[[[[[[[[[[[[[[[[[[[\\\"{{{{{{{{{{{{{{{{{{{{";
  EXPECT_TRUE(loadMatch(t.game, saveMatch(named), &error)) << error;
}

// The 44-card deck is dealt in hands of four only: a match dealt in six
// is refused by its variant, however whole its cards.
TEST(SavedMatchPosition, AHomsiMatchWithSixCardHandsIsRefused) {
  Table t(44, 6, 2, "101");
  Game sixes = playedSample(t, 8);
  ASSERT_EQ(sixes.DeckSize, 44);
  ASSERT_EQ(sixes.HandSize, 6);
  Table other;
  std::string error;
  EXPECT_FALSE(loadMatch(other.game, saveMatch(sixes), &error));
  EXPECT_NE(error.find("44-card deck is not dealt in hands of 6"), std::string::npos) << error;
}

}  // namespace
}  // namespace qorza

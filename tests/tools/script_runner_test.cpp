// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/script_runner.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "sound/sounds.h"
#include "tools/script/card_notation.h"
#include "tools/script/headless_platform.h"
#include "tools/script/script_line.h"
#include "tools/script/script_session.h"
#include "tools/script/state_dump.h"

namespace qorza::script {
namespace {

struct ScriptRun {
  int status;
  std::vector<nlohmann::json> dumps;
  std::string errors;
};

ScriptRun run(const std::string& text) {
  std::istringstream in(text);
  std::ostringstream out;
  std::ostringstream err;
  ScriptRun result{runScript(in, out, err, "/snd/"), {}, err.str()};
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) {
    result.dumps.push_back(nlohmann::json::parse(line));
  }
  return result;
}

struct BadLine {
  std::string line;
  const char* message;
};

class ScriptErrors : public ::testing::TestWithParam<BadLine> {};

// Every bad line stops the script at that line with status 2; the dumps
// before it were written, nothing after it runs.
TEST_P(ScriptErrors, StopAtTheLineWithStatusTwo) {
  const ScriptRun r = run("options 52 6 2\ndump\n" + GetParam().line + "\ndump\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.dumps.size(), 1u);
  EXPECT_NE(r.errors.find("line 3: "), std::string::npos) << r.errors;
  EXPECT_NE(r.errors.find(GetParam().message), std::string::npos) << r.errors;
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandsAndCards, ScriptErrors,
    ::testing::Values(BadLine{"table 5S 11H", "bad card '11H'"}, BadLine{"hand1 5X", "bad card"},
                      BadLine{"hand2 1S", "bad card"}, BadLine{"deck 5S 5S", "twice"},
                      BadLine{"deck 5S -", "cannot hold '-'"},
                      BadLine{"table 1S 2S 3S 4S 5S 6S 7S 8S 9S 10S JS", "arguments"},
                      BadLine{"shuffle", "unknown command"}, BadLine{"click 7", "outside 1..6"},
                      BadLine{"click", "arguments"}, BadLine{"p1 x", "not a whole number"},
                      BadLine{"options 40 6 2", "DECK is 52 or 44"},
                      BadLine{"options 52 5 2", "HAND is 6 or 4"},
                      BadLine{"options 52 6 5", "outside 1..4"}, BadLine{"options 52 6", "DECK"},
                      BadLine{"set Nothing 3", "no setting"},
                      BadLine{"set DelayMs fast", "not a whole number"},
                      BadLine{"set SoundOn 2", "0 or 1"}, BadLine{"dump now", "arguments"},
                      BadLine{"seed -1", "outside"}));

// Values the game cannot hold are refused where they are set.
INSTANTIATE_TEST_SUITE_P(
    ValuesOutsideTheGame, ScriptErrors,
    ::testing::Values(BadLine{"set DeckSize 2", "DeckSize takes 44 or 52, not 2"},
                      BadLine{"set HandSize 5", "HandSize takes 4 or 6"},
                      BadLine{"set SkillLevel 0", "SkillLevel takes 1..4"},
                      BadLine{"set DelayMs -1", "DelayMs takes 0..3000"},
                      BadLine{"set TurnInHand 6", "TurnInHand takes 0..5"},
                      BadLine{"set DealtCount 53", "DealtCount takes 0..52"},
                      BadLine{"set CardImgNext1 12", "CardImgNext1 takes 1..11"},
                      BadLine{"set QorzaImgNext2 7", "QorzaImgNext2 takes 1..6"},
                      BadLine{"set RoundCount1 10000", "RoundCount1 takes 0..9999"},
                      BadLine{"set ScoreTable1 2147483647", "takes -1000000000..1000000000"},
                      BadLine{"set ScoreTable2 9999999999", "not a whole number"},
                      BadLine{"set txt_qorza1 1000000001", "holds numbers from -1000000000"},
                      BadLine{"set TXT_NAME -10000000000", "holds numbers"},
                      BadLine{"set PlayerName1 Sam\xff", "UTF-8"},
                      BadLine{"set TXT_CARD2 \xc3", "UTF-8"},
                      BadLine{"options 52 6 2 \xed\xa0\x80", "not UTF-8"},
                      BadLine{"table 5S 5S 5S", "'5S' is given twice"},
                      BadLine{"hand1 JS - JS", "twice"},
                      BadLine{"p1 1", "hand position 1 holds no card"},
                      BadLine{"options 44 6 2", "44-card deck is not dealt in hands of 6"},
                      BadLine{"set PlayerName2 " + std::string(201, 'n'), "at most 200"},
                      BadLine{"options 52 6 2 " + std::string(201, 'n'), "longer than 200"}));

struct BadScript {
  const char* script;
  int line;
  const char* message;
};

class ScriptRefusals : public ::testing::TestWithParam<BadScript> {};

// States no game can reach are refused before the logic plays on them.
TEST_P(ScriptRefusals, StopWithStatusTwoNamingTheLine) {
  const ScriptRun r = run(std::string("options 52 6 2\nseed 3\ndeal\n") + GetParam().script);
  EXPECT_EQ(r.status, 2);
  const std::string line = "line " + std::to_string(GetParam().line) + ": ";
  EXPECT_EQ(r.errors.rfind("qorza-play: " + line, 0), 0u) << r.errors;
  EXPECT_NE(r.errors.find(GetParam().message), std::string::npos) << r.errors;
}

INSTANTIATE_TEST_SUITE_P(
    UnreachableStates, ScriptRefusals,
    ::testing::Values(
        BadScript{"table 5S 9D\nhand1 9D 7H\n", 5, "9D is already on the table"},
        BadScript{"hand2 AS\nhand1 4H AS\n", 5, "AS is already in another hand"},
        BadScript{"table AH\nhand1 AS\nset CardImgNext1 11\np1 1\n", 7,
                  "do not fit on a point strip"},
        BadScript{"set CardImgNext2 10\ntable AH JH\nhand2 AS\np2\n", 7, "do not fit"},
        BadScript{"set TurnInHand 5\nset HandSize 4\nclick 1\n", 6,
                  "TurnInHand 5 is not below HandSize 4"},
        BadScript{"set DealtCount 44\nclick 1\n", 5, "leaves no whole hands"},
        BadScript{"set DeckSize 44\nkey 49\n", 5, "not dealt in hands of 6"},
        BadScript{"set DeckSize 44\ndeal\n", 5, "a 44-card deck is not dealt in hands of 6"}));

// Error lines never carry control characters or overlong words to the
// terminal: the bad line is shown escaped and cut short.
TEST(ScriptErrors, ErrorLinesAreEscapedAndCutShort) {
  const ScriptRun escaped = run("table \x1b[2J\x07 5S\n");
  EXPECT_EQ(escaped.status, 2);
  EXPECT_NE(escaped.errors.find("bad card '\\x1b[2J\\x07'"), std::string::npos) << escaped.errors;
  EXPECT_NE(escaped.errors.find("  table \\x1b[2J\\x07 5S\n"), std::string::npos);
  const ScriptRun long_ = run("hand1 " + std::string(100000, 'Z') + "\n");
  EXPECT_EQ(long_.status, 2);
  EXPECT_LT(long_.errors.size(), 200u) << long_.errors;
  EXPECT_NE(long_.errors.find("ZZZ..."), std::string::npos) << long_.errors;
  for (const char c : escaped.errors + long_.errors) {
    EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
  }
  EXPECT_EQ(shownText("سلمى \xc2\x9b \xff"), "سلمى \\xc2\\x9b \\xff");
}

TEST(ScriptErrors, QueensCannotJoinAHomsiDeck) {
  const ScriptRun r = run("options 44 4 2\ndeck QS\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.errors.find("44-card deck cannot hold 'QS'"), std::string::npos) << r.errors;
}

TEST(ScriptText, CommentsBlankLinesAndBlanksAreIgnored) {
  const ScriptRun r = run("# a comment\n\n   \n\toptions 52 4 3   # four cards\n  dump  # state\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  ASSERT_EQ(r.dumps.size(), 1u);
  EXPECT_EQ(r.dumps[0]["HandSize"], 4);
  EXPECT_EQ(r.dumps[0]["SkillLevel"], 3);
}

TEST(ScriptCards, WrittenCardsAreTheLibraryEntries) {
  std::ostringstream out;
  ScriptSession s(out, "/snd/");
  Game& g = s.game();
  s.execute(ScriptLine("table 10D - 2C 10H"));
  EXPECT_EQ(g.game(1).Picture, "diamond_10");
  EXPECT_EQ(g.game(1).Tag, "10");
  EXPECT_EQ(g.game(1).ToolTipText, "10");
  EXPECT_FALSE(g.game(2).Visible);
  EXPECT_EQ(g.game(3).ToolTipText, "2");
  EXPECT_EQ(g.game(4).ToolTipText, "");  // only the ten of diamonds is marked
  for (int i = 3; i <= 4; ++i) {
    EXPECT_TRUE(g.game(i).Visible);
  }
  for (int i = 5; i <= 10; ++i) {
    EXPECT_FALSE(g.game(i).Visible);
  }
}

TEST(ScriptCards, HandTwoShowsTheBackAndKeepsTheFaceApart) {
  std::ostringstream out;
  ScriptSession s(out, "/snd/");
  Game& g = s.game();
  g.chosenBack = "back-3";
  s.execute(ScriptLine("deal"));  // takes the chosen back into STANSARD
  s.execute(ScriptLine("hand2 KH - AS"));
  EXPECT_EQ(g.Player2(1).Picture, "back-3");
  EXPECT_EQ(g.Player2(1).Tag, "13");
  EXPECT_EQ(g.Player02(1).Picture, "heart_king");
  EXPECT_TRUE(g.Player02(1).Visible);
  EXPECT_FALSE(g.Player2(2).Visible);
  EXPECT_FALSE(g.Player02(2).Visible);
  EXPECT_EQ(g.Player02(3).Picture, "spade_1");
  EXPECT_FALSE(g.Player2(4).Visible);
}

TEST(ScriptCards, HandOneHintsFollowTheCards) {
  std::ostringstream out;
  ScriptSession s(out, "/snd/");
  Game& g = s.game();
  g.Player1(2).Enabled = false;
  s.execute(ScriptLine("hand1 5S 6S - 8S"));
  const bool shown[] = {true, true, false, true, false, false};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(g.Player1(i).Visible, shown[i - 1]) << i;
    EXPECT_EQ(g.Label1(i).Visible, shown[i - 1]) << i;
    EXPECT_TRUE(g.Player1(i).Enabled) << i;
  }
}

TEST(ScriptDeck, GivenCardsLeadAndTheRestFollowInLibraryOrder) {
  const ScriptRun r = run("options 52 6 2\ndeck 7D KC AS\ndeal\ndump\ndeal\ndump\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  const auto& deck = r.dumps[0]["deck"];
  ASSERT_EQ(deck.size(), 52u);
  EXPECT_EQ(deck[0], "7D");
  EXPECT_EQ(deck[1], "KC");
  EXPECT_EQ(deck[2], "AS");
  EXPECT_EQ(deck[3], "2S");   // library index 2, the first not given
  EXPECT_EQ(deck[44], "JC");  // index 43; 44, the seven of diamonds, was given
  EXPECT_EQ(deck[45], "QS");
  EXPECT_EQ(deck[51], "QC");  // index 51; the King of clubs was given
  // The preset serves one deal only; the next one shuffles.
  EXPECT_NE(r.dumps[1]["deck"], deck);
}

TEST(ScriptSettings, SetWritesCountersNumbersNamesAndTarget) {
  std::ostringstream out;
  ScriptSession s(out, "/snd/");
  Game& g = s.game();
  s.execute(ScriptLine("set TXT_POINT2 12.5"));
  s.execute(ScriptLine("set TXT_NAME"));
  s.execute(ScriptLine("set PlayerName1   Abu  Ali  "));
  s.execute(ScriptLine("set target 51x"));
  s.execute(ScriptLine("set ScoreTable2 -7"));
  s.execute(ScriptLine("set QorzaImgNext1 6"));
  s.execute(ScriptLine("set SoundOn 0"));
  EXPECT_EQ(g.TXT_POINT(2).Text, "12.5");
  EXPECT_EQ(g.TXT_NAME.Text, "");
  EXPECT_EQ(g.PlayerName(1), "Abu  Ali");
  EXPECT_EQ(g.winningPointsText, "51x");
  EXPECT_EQ(g.ScoreTable(2), -7);
  EXPECT_EQ(g.QorzaImgNext1, 6);
  EXPECT_FALSE(g.SoundOn);
}

TEST(ScriptSetup, StartsAsTheProgramDoes) {
  std::ostringstream out;
  ScriptSession s(out, "/snd/");
  const Game& g = s.game();
  EXPECT_EQ(g.DelayMs, 300);
  EXPECT_EQ(g.SkillLevel, 2);
  EXPECT_TRUE(g.SoundOn);
  EXPECT_EQ(g.SoundFolder, "/snd/");
  EXPECT_EQ(g.winningPointsText, "101");
}

TEST(ScriptOptions, OptionsActLikeTheDialogsOk) {
  std::ostringstream out;
  ScriptSession s(out, "/snd/");
  Game& g = s.game();
  s.execute(ScriptLine("options 44 4 3 Salma Haddad"));
  EXPECT_EQ(g.DeckSize, 44);
  EXPECT_EQ(g.HandSize, 4);
  EXPECT_EQ(g.SkillLevel, 3);
  EXPECT_EQ(g.PlayerName(1), "Salma Haddad");
  EXPECT_EQ(g.TXT_NAME.Text, "32");
  EXPECT_EQ(g.Label1(1).Caption, "1");
  s.execute(ScriptLine("options 52 6 1"));  // no name: the current one stays
  EXPECT_EQ(g.PlayerName(1), "Salma Haddad");
  EXPECT_EQ(g.TXT_NAME.Text, "36");
  EXPECT_EQ(g.Label1(1).Caption, "2");
}

// The dialog opens at the normal variant whatever deck was in play, and
// keeps the hand size, level and name.
TEST(ScriptOptions, NewStartsAFreshMatchFromTheNormalVariant) {
  std::ostringstream out;
  ScriptSession s(out, "/snd/");
  Game& g = s.game();
  s.execute(ScriptLine("options 44 4 1 Sami"));
  s.execute(ScriptLine("set ScoreTable1 40"));
  s.execute(ScriptLine("set RoundCount1 3"));
  s.execute(ScriptLine("set TXT_NAME 0"));
  s.execute(ScriptLine("new"));
  EXPECT_EQ(g.DeckSize, 52);
  EXPECT_EQ(g.HandSize, 4);
  EXPECT_EQ(g.SkillLevel, 1);
  EXPECT_EQ(g.PlayerName(1), "Sami");
  EXPECT_EQ(g.ScoreTable(1), 0);
  EXPECT_EQ(g.RoundCount1, 0);
  EXPECT_EQ(g.TXT_NAME.Text, "40");
  EXPECT_EQ(g.DealtCount, 12);
}

TEST(ScriptDump, KeysComeInAFixedOrder) {
  std::istringstream in("dump\n");
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(runScript(in, out, err), 0);
  const auto dump = nlohmann::ordered_json::parse(out.str());
  std::vector<std::string> keys;
  for (const auto& item : dump.items()) {
    keys.push_back(item.key());
  }
  const std::vector<std::string> expected = {
      "table",         "hand1",       "hand2",        "TXT_CARD",     "TXT_POINT",
      "txt_qorza",     "TXT_NAME",    "img_card1",    "img_card2",    "qorza1",
      "qorza2",        "sounds",      "DeckSize",     "HandSize",     "SkillLevel",
      "DealtCount",    "TurnInHand",  "CardImgNext1", "CardImgNext2", "QorzaImgNext1",
      "QorzaImgNext2", "RoundCount1", "ScoreTable",   "deck",         "results"};
  EXPECT_EQ(keys, expected);
  EXPECT_TRUE(dump["results"].is_null());
  EXPECT_EQ(dump["table"].size(), 10u);
  EXPECT_EQ(dump["hand1"].size(), 6u);
}

// The dump is written without the JSON library; it must print exactly what
// the library would, escapes and non-ASCII text included.
TEST(ScriptDump, TextIsWhatTheJsonLibraryPrints) {
  HeadlessPlatform platform;
  Game g{platform};
  std::ostringstream unused;
  ScriptSession session(g, platform, unused);
  for (const char* line : {"options 52 6 2", "seed 5", "deal", "click 1", "results"}) {
    session.execute(ScriptLine(line));
  }
  g.TXT_CARD(1).Text = "quote \" backslash \\ tab \t bell \x07 rubout \x7f slash /";
  g.TXT_NAME.Text = "\u0627\u0644\u062d\u0627\u0633\u0648\u0628";
  const std::string text = stateText(g, platform);
  EXPECT_EQ(nlohmann::ordered_json::parse(text).dump(), text);
  EXPECT_NE(text.find("\"results\":{\"grid\""), std::string::npos);
}

TEST(ScriptDump, SoundsAreTheFileNamesAskedForSinceTheLastDump) {
  std::ostringstream out;
  ScriptSession s(out, "/snd/");
  PlayAceSound(s.game());
  PlayQorzaSound(s.game());
  s.execute(ScriptLine("dump"));
  s.execute(ScriptLine("set SoundOn 0"));
  PlayTenSound(s.game());
  s.execute(ScriptLine("dump"));
  std::istringstream lines(out.str());
  std::string first;
  std::string second;
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_EQ(nlohmann::json::parse(first)["sounds"],
            nlohmann::json::array({"ONE.wav", "QORZA.wav"}));
  EXPECT_TRUE(nlohmann::json::parse(second)["sounds"].empty());
}

TEST(ScriptDump, ShowsStripsQorzasAndTheResultsAsLastShown) {
  std::ostringstream out;
  ScriptSession s(out, "/snd/");
  Game& g = s.game();
  g.img_card2(1) = {"club_2", "", "", true, true};
  g.img_card2(2) = {"spade_1", "", "", false, true};  // hidden: not listed
  g.img_qorza1(3) = {"heart_7", "", "", true, true};
  g.lbl_qorza1(3) = {"14", true};
  ResultsWindowModel shown;
  shown.Grid1 = {{{""}, {"Ali"}, {"Pc"}}, {{"1"}, {"12"}, {"30", true}}, {{"2"}, {""}, {"", true}}};
  shown.verdict = Verdict::Player2Won;
  shown.Label1Visible = true;
  g.frm_results = shown;
  s.platform().showResults(g);
  g.frm_results = {};  // unloaded later: the dump keeps what was shown
  s.execute(ScriptLine("dump"));
  const auto dump = nlohmann::json::parse(out.str());
  EXPECT_EQ(dump["img_card2"], nlohmann::json::array({"2C"}));
  EXPECT_EQ(dump["qorza1"], nlohmann::json::parse(R"([{"pos":3,"card":"7H","worth":"14"}])"));
  EXPECT_EQ(
      dump["results"],
      nlohmann::json::parse(
          R"({"grid":[["1","12","30"]],"verdict":"لقد خسرت مع الأسف حاول مرة أخرى","highlight":2})"));
}

TEST(ScriptDump, ASlotWhoseTagDisagreesWithItsPictureShowsAllThree) {
  CardSlot slot = libraryCard(20);
  EXPECT_EQ(slotText(slot), "10D");
  slot.ToolTipText = "";
  EXPECT_EQ(slotText(slot), "diamond_10|10|");
  slot = libraryCard(44);
  slot.Tag = "";
  EXPECT_EQ(slotText(slot), "diamond_7||");
}

}  // namespace
}  // namespace qorza::script

// The script's `set NAME VALUE`: counter texts, numeric settings, names, the
// match target and the sound switch.
#include <charconv>
#include <functional>
#include <map>

#include "tools/script/script_session.h"

namespace qorza::script {

namespace {

int wholeNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) {
    throw ScriptError("'" + text + "' is not a whole number");
  }
  return value;
}

using TextRef = std::function<std::string&(Game&, HeadlessPlatform&)>;
using NumberRef = std::function<int&(Game&)>;

const std::map<std::string, TextRef>& textSettings() {
  static const std::map<std::string, TextRef> settings = {
      {"TXT_CARD1", [](Game& g, HeadlessPlatform&) -> std::string& { return g.TXT_CARD(1).Text; }},
      {"TXT_CARD2", [](Game& g, HeadlessPlatform&) -> std::string& { return g.TXT_CARD(2).Text; }},
      {"TXT_POINT1",
       [](Game& g, HeadlessPlatform&) -> std::string& { return g.TXT_POINT(1).Text; }},
      {"TXT_POINT2",
       [](Game& g, HeadlessPlatform&) -> std::string& { return g.TXT_POINT(2).Text; }},
      {"txt_qorza1",
       [](Game& g, HeadlessPlatform&) -> std::string& { return g.txt_qorza(1).Text; }},
      {"txt_qorza2",
       [](Game& g, HeadlessPlatform&) -> std::string& { return g.txt_qorza(2).Text; }},
      {"TXT_NAME", [](Game& g, HeadlessPlatform&) -> std::string& { return g.TXT_NAME.Text; }},
      {"PlayerName1", [](Game& g, HeadlessPlatform&) -> std::string& { return g.PlayerName(1); }},
      {"PlayerName2", [](Game& g, HeadlessPlatform&) -> std::string& { return g.PlayerName(2); }},
      {"target", [](Game&, HeadlessPlatform& p) -> std::string& { return p.target; }},
  };
  return settings;
}

const std::map<std::string, NumberRef>& numberSettings() {
  static const std::map<std::string, NumberRef> settings = {
      {"DeckSize", [](Game& g) -> int& { return g.DeckSize; }},
      {"HandSize", [](Game& g) -> int& { return g.HandSize; }},
      {"SkillLevel", [](Game& g) -> int& { return g.SkillLevel; }},
      {"DelayMs", [](Game& g) -> int& { return g.DelayMs; }},
      {"TurnInHand", [](Game& g) -> int& { return g.TurnInHand; }},
      {"DealtCount", [](Game& g) -> int& { return g.DealtCount; }},
      {"CardImgNext1", [](Game& g) -> int& { return g.CardImgNext1; }},
      {"CardImgNext2", [](Game& g) -> int& { return g.CardImgNext2; }},
      {"QorzaImgNext1", [](Game& g) -> int& { return g.QorzaImgNext1; }},
      {"QorzaImgNext2", [](Game& g) -> int& { return g.QorzaImgNext2; }},
      {"RoundCount1", [](Game& g) -> int& { return g.RoundCount1; }},
      {"RoundCount2", [](Game& g) -> int& { return g.RoundCount2; }},
      {"ScoreTable1", [](Game& g) -> int& { return g.ScoreTable(1); }},
      {"ScoreTable2", [](Game& g) -> int& { return g.ScoreTable(2); }},
  };
  return settings;
}

}  // namespace

void ScriptSession::set(const ScriptLine& line) {
  if (line.size() < 2) {
    throw ScriptError("'set' takes NAME VALUE");
  }
  const std::string& name = line.word(1);
  const std::string value = line.restFrom(2);
  if (const auto text = textSettings().find(name); text != textSettings().end()) {
    text->second(game_, platform_) = value;  // texts may be empty or hold blanks
    return;
  }
  if (line.size() != 3) {
    throw ScriptError("'set " + name + "' takes one value");
  }
  if (const auto number = numberSettings().find(name); number != numberSettings().end()) {
    number->second(game_) = wholeNumber(value);
    return;
  }
  if (name == "SoundOn") {
    const int on = wholeNumber(value);
    if (on != 0 && on != 1) {
      throw ScriptError("SoundOn is 0 or 1");
    }
    game_.SoundOn = on == 1;
    return;
  }
  throw ScriptError("no setting '" + name + "'");
}

}  // namespace qorza::script

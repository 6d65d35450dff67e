// SPDX-License-Identifier: GPL-3.0-or-later
// The script's `set NAME VALUE`: counter texts, numeric settings, names, the
// match target and the sound switch.
#include <charconv>
#include <functional>
#include <map>

#include "game/bounds.h"
#include "game/numbers.h"
#include "tools/script/script_session.h"
#include "tools/script/state_check.h"

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

// A whole-number setting and the values the game can hold in it; some
// depend on the deck and hand in play.
struct NumberSetting {
  NumberRef ref;
  std::function<std::pair<int, int>(const Game&)> range;
  bool endsOnly = false;  // only the two ends of the range, nothing between
};

std::function<std::pair<int, int>(const Game&)> fixed(int lo, int hi) {
  return [lo, hi](const Game&) { return std::pair{lo, hi}; };
}

std::function<std::pair<int, int>(const Game&)> fixed(Range range) {
  return fixed(range.lo, range.hi);
}

constexpr int kScoreLimit = static_cast<int>(kNumberLimit);

// Counters hold numbers within the limit, names fit the name boxes; every
// text is UTF-8. The target takes any text, as the scoring reads any.
void checkText(const std::string& name, const std::string& value) {
  if (!isUtf8(value)) {
    throw ScriptError(name + " takes UTF-8 text");
  }
  if (name.rfind("PlayerName", 0) == 0 && !bounds::nameFits(value)) {
    throw ScriptError(name + " takes at most " + std::to_string(bounds::kMaxNameLength) +
                      " characters");
  }

  const bool counter = name.rfind("TXT_", 0) == 0 || name.rfind("txt_", 0) == 0;
  const double number = numberOf(value);
  if (counter && !(number >= -kNumberLimit && number <= kNumberLimit)) {
    throw ScriptError(name + " holds numbers from -" + numeral(kNumberLimit) + " to " +
                      numeral(kNumberLimit));
  }
}

void checkNumber(const std::string& name, const NumberSetting& setting, const Game& g, int value) {
  const auto [lo, hi] = setting.range(g);
  const bool allowed = setting.endsOnly ? value == lo || value == hi : value >= lo && value <= hi;
  if (!allowed) {
    throw ScriptError(name + " takes " + std::to_string(lo) + (setting.endsOnly ? " or " : "..") +
                      std::to_string(hi) + ", not " + std::to_string(value));
  }
}

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
      {"target", [](Game& g, HeadlessPlatform&) -> std::string& { return g.winningPointsText; }},
  };
  return settings;
}

const std::map<std::string, NumberSetting>& numberSettings() {
  static const std::map<std::string, NumberSetting> settings = {
      {"DeckSize", {[](Game& g) -> int& { return g.DeckSize; }, fixed(44, 52), true}},
      {"HandSize", {[](Game& g) -> int& { return g.HandSize; }, fixed(4, 6), true}},
      {"SkillLevel", {[](Game& g) -> int& { return g.SkillLevel; }, fixed(bounds::kLevel)}},
      {"DelayMs", {[](Game& g) -> int& { return g.DelayMs; }, fixed(bounds::kDelayMs)}},
      {"TurnInHand",
       {[](Game& g) -> int& { return g.TurnInHand; },
        [](const Game& g) {
          return std::pair{0, g.HandSize - 1};
        }}},
      {"DealtCount",
       {[](Game& g) -> int& { return g.DealtCount; },
        [](const Game& g) {
          return std::pair{0, g.DeckSize};
        }}},
      {"CardImgNext1", {[](Game& g) -> int& { return g.CardImgNext1; }, fixed(bounds::kStripNext)}},
      {"CardImgNext2", {[](Game& g) -> int& { return g.CardImgNext2; }, fixed(bounds::kStripNext)}},
      {"QorzaImgNext1",
       {[](Game& g) -> int& { return g.QorzaImgNext1; }, fixed(bounds::kQorzaDisplayNext)}},
      {"QorzaImgNext2",
       {[](Game& g) -> int& { return g.QorzaImgNext2; }, fixed(bounds::kQorzaDisplayNext)}},
      {"RoundCount1", {[](Game& g) -> int& { return g.RoundCount1; }, fixed(bounds::kDealCount)}},
      {"RoundCount2", {[](Game& g) -> int& { return g.RoundCount2; }, fixed(bounds::kDealCount)}},
      {"ScoreTable1",
       {[](Game& g) -> int& { return g.ScoreTable(1); }, fixed(-kScoreLimit, kScoreLimit)}},
      {"ScoreTable2",
       {[](Game& g) -> int& { return g.ScoreTable(2); }, fixed(-kScoreLimit, kScoreLimit)}},
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
    checkText(name, value);
    text->second(game_, platform_) = value;  // texts may be empty or hold blanks
    return;
  }
  if (line.size() != 3) {
    throw ScriptError("'set " + name + "' takes one value");
  }
  if (const auto number = numberSettings().find(name); number != numberSettings().end()) {
    const int whole = wholeNumber(value);
    checkNumber(name, number->second, game_, whole);
    number->second.ref(game_) = whole;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/script_session.h"

#include <charconv>
#include <set>
#include <vector>

#include "game/bounds.h"
#include "game/flow/deal.h"
#include "game/flow/turn_cycle.h"
#include "game/new_game_options.h"
#include "game/saved_match.h"
#include "rules/player1/player1_play.h"
#include "rules/player2/player2_play.h"
#include "scoring/deal_scoring.h"
#include "tools/script/card_notation.h"
#include "tools/script/match_file.h"
#include "tools/script/state_check.h"
#include "tools/script/state_dump.h"

namespace qorza::script {

namespace {

long long parseNumber(const std::string& text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) {
    throw ScriptError("'" + text + "' is not a whole number");
  }
  return value;
}

int numberIn(const std::string& text, long long lo, long long hi) {
  const long long value = parseNumber(text);
  if (value < lo || value > hi) {
    throw ScriptError(text + " is outside " + std::to_string(lo) + ".." + std::to_string(hi));
  }
  return static_cast<int>(value);
}

void expectWords(const ScriptLine& line, std::size_t lo, std::size_t hi) {
  const std::size_t args = line.size() - 1;
  if (args < lo || args > hi) {
    throw ScriptError(
        "'" + line.word(0) + "' takes " +
        (lo == hi ? std::to_string(lo) : std::to_string(lo) + " to " + std::to_string(hi)) +
        " arguments, not " + std::to_string(args));
  }
}

// The library indexes of the cards written from word 1 on ("-" is 0), each
// card at most once.
std::vector<int> cardsOf(const ScriptLine& line, std::size_t most) {
  expectWords(line, 0, most);
  std::vector<int> cards;
  std::set<int> seen;
  for (std::size_t i = 1; i < line.size(); ++i) {
    const auto card = parseSlotCard(line.word(i));
    if (!card) {
      throw ScriptError("bad card '" + line.word(i) + "'");
    }
    if (*card != 0 && !seen.insert(*card).second) {
      throw ScriptError("'" + line.word(i) + "' is given twice");
    }
    cards.push_back(*card);
  }
  return cards;
}

// Plays only from a state a real game could reach.
void requirePlayable(const Game& g) {
  if (const auto error = unplayableState(g)) {
    throw ScriptError(*error);
  }
}

// Slot i takes library card index, or is hidden for 0; slots past the list
// are hidden. Returns the slots shown.
template <typename Slots>
void fillSlots(Game& g, Slots& slots, const std::vector<int>& cards) {
  for (int i = Slots::first; i <= Slots::last; ++i) {
    const std::size_t n = static_cast<std::size_t>(i - Slots::first);
    const int index = n < cards.size() ? cards[n] : 0;
    if (index != 0) {
      copyCard(slots(i), g.Image1(index));
    }
    slots(i).Visible = index != 0;
  }
}

}  // namespace

ScriptSession::ScriptSession(Game& game, HeadlessPlatform& platform, std::ostream& out)
    : platform_(platform), game_(game), out_(out) {}

ScriptSession::ScriptSession(std::ostream& out, const std::string& soundFolder)
    : ownPlatform_(std::make_unique<HeadlessPlatform>()),
      ownGame_(std::make_unique<Game>(*ownPlatform_)),
      platform_(*ownPlatform_),
      game_(*ownGame_),
      out_(out) {
  Form_Load(game_, soundFolder);
  applyStartupDefaults(game_);
}

void ScriptSession::execute(const ScriptLine& line) {
  if (line.empty()) {
    return;
  }
  const std::string& command = line.word(0);
  if (command == "options") return options(line);
  if (command == "seed") return seed(line);
  if (command == "deck") return deck(line);
  if (command == "table") return table(line);
  if (command == "hand1") return hand1(line);
  if (command == "hand2") return hand2(line);
  if (command == "set") return set(line);
  if (command == "click") return click(line);
  if (command == "key") return key(line);
  if (command == "p1") return p1(line);
  if (command == "save") return save(line);
  if (command == "load") return load(line);
  if (command != "deal" && command != "new" && command != "p2" && command != "results" &&
      command != "undo" && command != "dump") {
    throw ScriptError("unknown command '" + command + "'");
  }
  expectWords(line, 0, 0);
  if (command == "p2") requirePlayable(game_);
  if (command == "deal") return deal();
  if (command == "new") {
    scripted_.clear();
    history_.clear();
    return mnu_new_real_Click(game_);
  }
  if (command == "undo") return undo();
  if (command == "p2") return H2_player2(game_, 1);
  if (command == "results") return MNU_RESULTS_Click(game_);
  dump();
}

// What the new-game dialog's OK does, with the level clicked before it.
void ScriptSession::options(const ScriptLine& line) {
  if (line.size() < 4) {
    throw ScriptError("'options' takes DECK HAND LEVEL [NAME]");
  }
  const long long deckSize = parseNumber(line.word(1));
  if (deckSize != 52 && deckSize != 44) {
    throw ScriptError("DECK is 52 or 44, not " + line.word(1));
  }
  const long long handSize = parseNumber(line.word(2));
  if (handSize != 6 && handSize != 4) {
    throw ScriptError("HAND is 6 or 4, not " + line.word(2));
  }
  if (!bounds::isVariant(static_cast<int>(deckSize), static_cast<int>(handSize))) {
    throw ScriptError("a " + line.word(1) + "-card deck is not dealt in hands of " + line.word(2));
  }
  game_.SkillLevel = numberIn(line.word(3), bounds::kLevel.lo, bounds::kLevel.hi);
  const std::string name = line.size() > 4 ? line.restFrom(4) : game_.PlayerName(1);
  if (!isUtf8(name)) {
    throw ScriptError("the name is not UTF-8 text");
  }
  if (!bounds::nameFits(name)) {
    throw ScriptError("the name is longer than " + std::to_string(bounds::kMaxNameLength) +
                      " characters");
  }
  applyNewGameOptions(game_, {deckSize == 44, handSize == 6, name});
}

void ScriptSession::seed(const ScriptLine& line) {
  expectWords(line, 1, 1);
  game_.rng.fixSeed(static_cast<std::uint64_t>(numberIn(line.word(1), 0, INT32_MAX)));
}

// The deck for the next deal: the cards given first, then the rest of the
// current deck size in library order.
void ScriptSession::deck(const ScriptLine& line) {
  const std::vector<int> given = cardsOf(line, static_cast<std::size_t>(game_.DeckSize));
  std::set<int> used;
  for (const int index : given) {
    if (index == 0 || index > game_.DeckSize) {
      throw ScriptError("a " + std::to_string(game_.DeckSize) + "-card deck cannot hold '" +
                        (index == 0 ? std::string("-") : pictureText(game_.Image1(index).Picture)) +
                        "'");
    }
    if (!used.insert(index).second) {
      throw ScriptError("the deck holds " + pictureText(game_.Image1(index).Picture) + " twice");
    }
  }
  game_.presetDeck = given;
  for (int index = 1; index <= game_.DeckSize; ++index) {
    if (!used.count(index)) {
      game_.presetDeck.push_back(index);
    }
  }
}

// The pictures shown in one place: the table, or hand 1 or 2.
std::set<Picture> ScriptSession::shownIn(Place where) const {
  std::set<Picture> shown;
  for (int i = 1; i <= (where == Place::Table ? 10 : 6); ++i) {
    if (where == Place::Table && game_.game(i).Visible) shown.insert(game_.game(i).Picture);
    if (where == Place::Hand1 && game_.Player1(i).Visible) shown.insert(game_.Player1(i).Picture);
    if (where == Place::Hand2 && game_.Player2(i).Visible) shown.insert(game_.Player02(i).Picture);
  }
  return shown;
}

// The cards a script gives for one place, none of them already in another
// place the script has filled since the last deal. Places the deal filled
// are not compared: scripts build a position over them.
std::vector<int> ScriptSession::placed(const ScriptLine& line, Place where) {
  const std::vector<int> cards = cardsOf(line, where == Place::Table ? 10 : 6);
  for (const Place other : {Place::Table, Place::Hand1, Place::Hand2}) {
    if (other == where || !scripted_.count(other)) continue;
    const std::set<Picture> shown = shownIn(other);
    for (const int index : cards) {
      if (index != 0 && shown.count(game_.Image1(index).Picture)) {
        throw ScriptError(pictureText(game_.Image1(index).Picture) + " is already " +
                          (other == Place::Table ? "on the table" : "in another hand"));
      }
    }
  }
  scripted_.insert(where);
  return cards;
}

void ScriptSession::table(const ScriptLine& line) {
  fillSlots(game_, game_.game, placed(line, Place::Table));
}

void ScriptSession::hand1(const ScriptLine& line) {
  fillSlots(game_, game_.Player1, placed(line, Place::Hand1));
  for (int i = 1; i <= 6; ++i) {
    game_.Player1(i).Enabled = true;
    game_.Label1(i).Visible = game_.Player1(i).Visible;
  }
}

// Player 2 holds the back in Player2 and the face in Player02.
void ScriptSession::hand2(const ScriptLine& line) {
  fillSlots(game_, game_.Player2, placed(line, Place::Hand2));
  for (int i = 1; i <= 6; ++i) {
    game_.Player02(i).Picture = game_.Player2(i).Picture;
    game_.Player02(i).Visible = game_.Player2(i).Visible;
    game_.Player2(i).Picture = game_.STANSARD.Picture;
  }
}

// A new deal needs hand sizes its deck can deal.
void ScriptSession::deal() {
  if (!bounds::isVariant(game_.DeckSize, game_.HandSize)) {
    throw ScriptError("a " + std::to_string(game_.DeckSize) +
                      "-card deck is not dealt in hands of " + std::to_string(game_.HandSize));
  }
  scripted_.clear();
  history_.clear();
  mnu_new_Click(game_);
}

void ScriptSession::click(const ScriptLine& line) {
  expectWords(line, 1, 1);
  const int position = numberIn(line.word(1), 1, 6);
  requirePlayable(game_);
  history_.beforeTurn(game_);
  Player1_Click(game_, position);
  history_.afterTurn(game_);
}

void ScriptSession::key(const ScriptLine& line) {
  expectWords(line, 1, 2);
  const int shift = line.size() > 2 ? numberIn(line.word(2), 0, 7) : 0;
  const int code = numberIn(line.word(1), 0, 255);
  requirePlayable(game_);
  history_.beforeTurn(game_);
  Form_KeyDown(game_, code, shift);
  history_.afterTurn(game_);
}

// Takes back the last turn of the deal in play, as the window's Undo does.
void ScriptSession::undo() {
  if (!history_.undo(game_)) {
    throw ScriptError("'undo' finds no turn of this deal to take back");
  }
}

// The turn cycle plays only a card the hand shows; so does this command.
void ScriptSession::p1(const ScriptLine& line) {
  expectWords(line, 1, 1);
  const int position = numberIn(line.word(1), 1, 6);
  if (!game_.Player1(position).Visible) {
    throw ScriptError("hand position " + line.word(1) + " holds no card");
  }
  requirePlayable(game_);
  H1_player1(game_, position);
}

namespace {

// The file name is the rest of the line, blanks inside it kept.
std::string fileArgument(const ScriptLine& line) {
  if (line.size() < 2) {
    throw ScriptError("'" + line.word(0) + "' takes FILE");
  }
  return line.restFrom(1);
}

}  // namespace

// Only a match that load would take is written: a position set up by the
// script that no game reaches, or a target no dialog takes, is refused.
void ScriptSession::save(const ScriptLine& line) {
  if (!fileCommands) {
    throw ScriptError("'save' is off in this run");
  }
  const std::string text = saveMatch(game_);
  Game readBack(game_);
  std::string error;
  if (!loadMatch(readBack, text, &error)) {
    throw ScriptError("this match cannot be saved: " + error);
  }
  writeFileWhole(fileArgument(line), text);
}

// The match in the file replaces the game's whole, or nothing changes.
void ScriptSession::load(const ScriptLine& line) {
  if (!fileCommands) {
    throw ScriptError("'load' is off in this run");
  }
  const std::string path = fileArgument(line);
  std::string error;
  if (!loadMatch(game_, readFileWhole(path), &error)) {
    throw ScriptError(path + " holds no saved match: " + error);
  }
  scripted_.clear();
  history_.clear();
}

void ScriptSession::dump() { out_ << stateText(game_, platform_) << '\n'; }

}  // namespace qorza::script

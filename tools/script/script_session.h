// SPDX-License-Identifier: GPL-3.0-or-later
// One game driven by script commands: the headless platform, the game set up
// as the program starts it, and one method per command.
#pragma once

#include <memory>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/flow/undo.h"
#include "game/game_state.h"
#include "tools/script/headless_platform.h"
#include "tools/script/script_line.h"

namespace qorza::script {

// A command or card the language does not know, or a bad argument.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ScriptSession {
 public:
  // A game of its own, set up as the program starts it.
  ScriptSession(std::ostream& out, const std::string& soundFolder);
  // Drives a game that someone else owns and has set up.
  ScriptSession(Game& game, HeadlessPlatform& platform, std::ostream& out);

  // Runs one line; throws ScriptError for a bad command.
  void execute(const ScriptLine& line);

  Game& game() { return game_; }
  HeadlessPlatform& platform() { return platform_; }

  // Whether save and load may touch files; refused as bad input when not.
  bool fileCommands = true;

 private:
  enum class Place { Table, Hand1, Hand2 };
  std::set<Picture> shownIn(Place where) const;
  std::vector<int> placed(const ScriptLine& line, Place where);

  void options(const ScriptLine& line);
  void seed(const ScriptLine& line);
  void deck(const ScriptLine& line);
  void table(const ScriptLine& line);
  void hand1(const ScriptLine& line);
  void hand2(const ScriptLine& line);
  void set(const ScriptLine& line);
  void deal();
  void click(const ScriptLine& line);
  void key(const ScriptLine& line);
  void p1(const ScriptLine& line);
  void undo();
  void save(const ScriptLine& line);
  void load(const ScriptLine& line);
  void dump();

  std::unique_ptr<HeadlessPlatform> ownPlatform_;
  std::unique_ptr<Game> ownGame_;
  HeadlessPlatform& platform_;
  Game& game_;
  std::ostream& out_;
  std::set<Place> scripted_;  // places the script filled since the last deal
  UndoHistory history_;       // the turns of the deal in play, for undo
};

}  // namespace qorza::script

// SPDX-License-Identifier: GPL-3.0-or-later
// The further-options dialog without its widgets: the names, back preview and
// speed it holds between openings, and what its OK does to the game.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "game/bounds.h"
#include "game/card_library.h"
#include "game/slots.h"

namespace qorza {

struct Game;

// The indexes of the dialog's eight back pictures, as its Image1 array numbers
// them, and the picture each one shows ("back-1" .. "back-8").
inline constexpr std::array<int, 8> kBackIndexes{1, 2, 3, 4, 5, 7, 8, 11};
Picture backPictureOf(int index);  // throws for an index not in kBackIndexes

// What the dialog keeps while it is hidden. The winning points and the
// confirmed back are the game's (Game::winningPointsText, Game::chosenBack).
struct SubOptionForm {
  SubOptionForm();

  SlotArray<std::string, 1, 2> TXT_NAME;  // the two name boxes
  CardSlot STANSARD;                      // the preview of the back
  int HS_SPEED = 0;                       // delay in ms, 0 .. 3000
  std::string LBL_TIME = "0";             // the delay in seconds
  int PendingBack = 0;                    // the back picture last clicked
  int ChosenBack = 0;                     // the back confirmed by OK, 0 before
};

// The window's load, run once: the preview from ChosenBack, the scroll bar
// from DelayMs.
void subOptionLoad(const Game& game, SubOptionForm& form);

// The menu command before the dialog shows: the names from the game.
void mnu_sub_option_Click(const Game& game, SubOptionForm& form);

// The seconds text for a delay: 300 "0.3", 1500 "1.5", 3000 "3", 0 "0".
std::string secondsText(int delayMs);

// The delay a seconds text stands for: its leading number x 1000, rounded.
int delayOfSecondsText(std::string_view text);

// The winning points as typed into the dialog's list box: digits only, from
// ASCII, Arabic-Indic or Extended Arabic-Indic, read as their value (mixed
// sets too). Empty text reads 0; any other character, or a value above
// kMaxWinningPoints, gives nothing.
inline constexpr int kMaxWinningPoints = bounds::kWinningPoints.hi;
std::optional<int> winningPointsOf(std::u16string_view typed);

void HS_SPEED_Change(SubOptionForm& form, int value);
void Image1_Click(SubOptionForm& form, int index);
void Option1_Click(Game& game, SubOptionForm& form, int index);

// OK: names, back (Game::chosenBack) and delay go to the game; the caller then hides the dialog.
void CMD_OK_Click(Game& game, SubOptionForm& form);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// Scratch of player 1's play: the table snapshot and the flags of one play.
// PlayedValue and TableLeft are also written by the computer's look-ahead.
#pragma once

#include "game/slots.h"

namespace qorza {

struct Player1Scratch {
  int PlayedValue = 0;
  int TableCount = 0;
  SlotArray<int, 0, 10> TableValue;
  SlotArray<int, 0, 10> TableSlot;
  int TableLeft = 0;
  bool TableWasEmpty = false;
  bool EqualTaken = false;
  bool SumTaken = false;
  bool JackPlayed = false;
  bool QorzaMade = false;
  bool AceSoundDue = false;
  bool TwoSoundDue = false;
  bool TenSoundDue = false;
};

}  // namespace qorza

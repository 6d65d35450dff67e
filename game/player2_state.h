// SPDX-License-Identifier: GPL-3.0-or-later
// Scratch of the computer's turn: snapshots of both hands and the table, what
// each hand card would take, and the lists of the discard choice.
#pragma once

#include "game/slots.h"

namespace qorza {

struct CaptureRecord {
  bool Found = false;
  int Count = 0;
  SlotArray<int, 1, 10> Slot;  // game slots of the cards taken, in the order found
};

struct Player2Scratch {
  // Snapshots, used from index 1.
  int HandCount2 = 0;
  SlotArray<int, 0, 10> HandValue2;
  SlotArray<int, 0, 10> HandSlot2;
  int HandCount1 = 0;
  SlotArray<int, 0, 10> HandValue1;
  SlotArray<int, 0, 10> HandSlot1;
  int TableCount2 = 0;
  SlotArray<int, 0, 10> TableValue2;
  SlotArray<int, 0, 10> TableSlot2;

  // Per-turn results, cleared at the start of every turn.
  SlotArray<CaptureRecord, 1, 6> TakeEqual;
  SlotArray<CaptureRecord, 1, 6> TakePairs;
  SlotArray<CaptureRecord, 1, 6> TakeTriples;
  SlotArray<CaptureRecord, 1, 6> TakeQuads;
  SlotArray<int, 1, 6> TakeCount;
  SlotArray<bool, 1, 6> MakesQorza;
  bool AceSoundDue2 = false;
  bool TwoSoundDue2 = false;
  bool TenSoundDue2 = false;
  bool JackSoundDue2 = false;

  // Set during the turn, not cleared by the driver.
  bool SweepFound = false;
  int SweepCard = 0;
  SlotArray<int, 0, 13> TakenValue2;

  // Capture search.
  int TrialValue = 0;
  int TrialLeft = 0;

  // Discard choice.
  bool RankHeld1 = false;
  int SafeCount = 0;
  SlotArray<int, 0, 10> SafeValue;
  SlotArray<int, 0, 10> SafeSlot;
  int LookCount = 0;
  SlotArray<int, 0, 10> LookValue;
  SlotArray<int, 0, 10> LookSlot;
};

}  // namespace qorza

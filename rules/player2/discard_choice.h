// SPDX-License-Identifier: GPL-3.0-or-later
// What the computer gives up when it can take nothing, by skill level: a low
// card at level 1, rules by hand size at levels 2 and 3.
#pragma once

namespace qorza {

struct Game;

// Empty-table choices: show the card and return its Player2 slot.
int ChooseLowDiscard(Game& game);
int ChooseSafeDiscard(Game& game);

// No-capture choices: each picks a hand position and plays it.
void NoCaptureLevel1(Game& game);
void NoCaptureLevel2(Game& game);
void NoCaptureLevel3(Game& game);

// The last rules shared by levels 2 and 3.
void FallbackDiscard(Game& game);

}  // namespace qorza

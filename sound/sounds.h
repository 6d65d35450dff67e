// SPDX-License-Identifier: GPL-3.0-or-later
// The six sound effects of play. Each starts its WAV file from the program's
// folder without waiting, and only while sound is switched on.
#pragma once

namespace qorza {

struct Game;

void PlayAceSound(Game& game);          // ONE.wav
void PlayTwoSound(Game& game);          // TWO.wav
void PlayTenSound(Game& game);          // TEN.wav
void PlayJackCaptureSound(Game& game);  // WIN_MAN.wav
void PlayJackOnEmptySound(Game& game);  // BORN_MAN.wav
void PlayQorzaSound(Game& game);        // QORZA.wav

}  // namespace qorza

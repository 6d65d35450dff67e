// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sounds.h"

#include <string>

#include "game/game_state.h"

namespace qorza {

namespace {

void play(Game& g, const char* file) {
  if (!g.SoundOn) {
    return;  // the sound system is not touched at all
  }
  g.platform().playSound(g.SoundFolder + file);
}

}  // namespace

void PlayAceSound(Game& g) { play(g, "ONE.wav"); }
void PlayTwoSound(Game& g) { play(g, "TWO.wav"); }
void PlayTenSound(Game& g) { play(g, "TEN.wav"); }
void PlayJackCaptureSound(Game& g) { play(g, "WIN_MAN.wav"); }
void PlayJackOnEmptySound(Game& g) { play(g, "BORN_MAN.wav"); }
void PlayQorzaSound(Game& g) { play(g, "QORZA.wav"); }

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// What each play of a deal did, as values: the card played, the table cards
// it took, a Qorza and its worth, the points it banked. The log reads the
// game before and after each play; the windows turn its records into words.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "game/card_library.h"

namespace qorza {

struct Game;

struct PlayRecord {
  int player = 0;  // 1 or 2
  CardFace played{};
  std::vector<CardFace> taken;  // empty: the card stayed on the table
  double qorzaWorth = 0;        // worth of the Qorza it made; 0 for none
  double points = 0;            // points of the point cards it banked
};

// The plays of the deal on the table, and each player's last play, which
// outlives its deal until that player plays again.
class PlayLog {
 public:
  // Around one player's play: the hand position player 1 plays; the
  // computer's card is found by what left its hand.
  void beforePlay(const Game& game, int player, int handPosition = 0);
  void afterPlay(const Game& game);

  // The plays of the deal now on the table, oldest first: none once another
  // deal has been dealt.
  std::vector<PlayRecord> dealPlays(const Game& game) const;
  // Player p's last play (1 or 2).
  const std::optional<PlayRecord>& lastPlay(int player) const;
  // Forgets everything (a match put back from elsewhere).
  void clear();
  // A turn was taken back: its plays (player 1's card and the computer's
  // answer) leave the deal's list, and each player's last play is again the
  // one before, or none at the start of the deal.
  void takeBackTurn();

 private:
  struct Before {
    int player = 0;
    std::optional<CardFace> played;           // player 1's card, known in advance
    std::array<bool, 6> computerHand{};       // the computer's hand slots shown
    std::array<CardFace, 6> computerFaces{};  // and their faces
    std::vector<CardFace> table;
    double qorza = 0;
    double points = 0;
  };

  bool sameDeal(const Game& game) const;

  Before before_;
  std::vector<Picture> stock_;  // the deal the plays belong to
  std::vector<PlayRecord> plays_;
  std::array<std::optional<PlayRecord>, 2> last_;
};

}  // namespace qorza

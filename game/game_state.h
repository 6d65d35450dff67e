// SPDX-License-Identifier: GPL-3.0-or-later
// The whole state of one game: the table's card slots, counters and labels,
// the shared settings and counters, and the scratch of both players' plays.
// Nothing lives in C++ globals, so many games can run side by side.
//
// Given names that read oddly:
//   card      the stock, shuffled; position 1 is dealt first
//   game      the table: the face-up cards between the players
//   game1     the computer's scratch copy of the table, never shown, on
//             which it tries its captures and what player 1 could take
//   Player02  the faces of the computer's hand, never shown; Player2 holds
//             the same cards showing the back
//   STANSARD  the chosen card back, dealt onto the computer's hand
//   TXT_NAME  here, the box with the number of cards left in the stock; in
//             the dialogs (SubOptionForm, the new-game dialog), the boxes
//             where the players' names are typed
#pragma once

#include <string>
#include <vector>

#include "game/card_library.h"
#include "game/platform.h"
#include "game/player1_state.h"
#include "game/player2_state.h"
#include "game/random.h"
#include "game/results_model.h"
#include "game/slots.h"

namespace qorza {

struct TextBox {
  std::string Text;
  bool Visible = false;
};

struct Label {
  std::string Caption;
  bool Visible = false;
};

struct Game {
  explicit Game(Platform& platform);
  // A copy of other that reaches the desktop through platform instead.
  Game(const Game& other, Platform& platform) : Game(other) { platform_ = &platform; }

  Platform& platform() const { return *platform_; }

  // The card library: never changed, never shown.
  SlotArray<CardSlot, 1, 52> Image1;

  // Card slots of the table window.
  SlotArray<CardSlot, 1, 52> card;   // the shuffled stock, position 1 dealt first
  SlotArray<CardSlot, 1, 10> game;   // the table
  SlotArray<CardSlot, 1, 10> game1;  // the computer's hidden copy of the table
  SlotArray<CardSlot, 1, 6> Player1;
  SlotArray<CardSlot, 1, 6> Player2;     // shows the back; Tag and mark are the card's
  SlotArray<CardSlot, 1, 6> Player02;    // the faces of player 2's hand
  CardSlot STANSARD;                     // the chosen card back
  CardSlot img_swap;                     // holder while two cards are exchanged
  SlotArray<CardSlot, 1, 10> img_card1;  // point-card strips
  SlotArray<CardSlot, 1, 10> img_card2;
  SlotArray<CardSlot, 1, 6> img_qorza1;  // Qorza displays
  SlotArray<CardSlot, 1, 6> img_qorza2;
  SlotArray<CardSlot, 1, 2> img_latch;  // small backs beside the counters

  // Labels.
  SlotArray<Label, 1, 6> Label1;  // digit hints over player 1's hand
  SlotArray<Label, 1, 6> lbl_qorza1;
  SlotArray<Label, 1, 6> lbl_qorza2;
  SlotArray<Label, 0, 6> Label3;  // fixed captions over the counters
  SlotArray<Label, 1, 2> lbl_n_player;

  // Counters: text boxes holding decimal numbers.
  SlotArray<TextBox, 1, 2> TXT_CARD;
  SlotArray<TextBox, 1, 2> TXT_POINT;
  SlotArray<TextBox, 1, 2> txt_qorza;
  TextBox TXT_NAME;  // cards left in the stock

  // The table window.
  bool Activated = false;
  bool KeyPreview = true;
  bool MNU_RESULTS_Enabled = true;

  // Shared settings and counters.
  int DeckSize = 52;
  int HandSize = 6;
  SlotArray<std::string, 0, 52> DeckOrder;
  int DealtCount = 0;
  int TurnInHand = 0;
  SlotArray<std::string, 1, 2> PlayerName;
  int SkillLevel = 2;
  int DelayMs = 300;
  bool SoundOn = true;
  // The winning points as the further options hold them: the scoring reads
  // the text's leading number whenever it needs the target.
  std::string winningPointsText = "101";
  // The card back the further options' last OK confirmed.
  Picture chosenBack = kDeckBack;
  std::string SoundFolder;
  int CardImgNext1 = 1;
  int CardImgNext2 = 1;
  int QorzaImgNext1 = 1;
  int QorzaImgNext2 = 1;
  int RoundCount1 = 0;
  int RoundCount2 = 0;
  SlotArray<int, 1, 2> ScoreTable;

  // Scratch of the two players' plays.
  Player1Scratch p1;
  Player2Scratch p2;

  // The results window's content.
  ResultsWindowModel frm_results;

  // Random numbers for the shuffle and the opening fixes.
  Random rng;
  // Library indexes for the next deal instead of a shuffle (tests, tools).
  std::vector<int> presetDeck;

 private:
  Platform* platform_;
};

// Default names of the two players.
inline constexpr const char* kDefaultPlayer1Name = "اللاعب";
inline constexpr const char* kDefaultPlayer2Name = "الحاسوب";

// The lowest table slot 1..10 that holds no card; 0 when all ten do.
int FirstFreeTableSlot(const Game& game);

// Both scores back to 0.
void recreateScoreTable(Game& game);

// The table window's load: round counters, names, scores, sound folder,
// level and sound switch. soundFolder ends with the path separator.
void Form_Load(Game& game, const std::string& soundFolder);

// The splash hand-off: pause length, picture counters and the chosen back
// (also on the small backs beside the counters).
void applyStartupDefaults(Game& game);

}  // namespace qorza

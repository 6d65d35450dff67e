// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/further_options.h"

#include <algorithm>
#include <stdexcept>

#include "game/game_state.h"
#include "game/numbers.h"

namespace qorza {

Picture backPictureOf(int index) {
  const auto* found = std::find(kBackIndexes.begin(), kBackIndexes.end(), index);
  if (found == kBackIndexes.end()) {
    throw std::out_of_range("no back picture " + std::to_string(index));
  }
  return "back-" + std::to_string(found - kBackIndexes.begin() + 1);
}

SubOptionForm::SubOptionForm() {
  TXT_NAME(1) = kDefaultPlayer1Name;
  TXT_NAME(2) = kDefaultPlayer2Name;
  // Until a back is clicked and confirmed, the first design is the back.
  STANSARD.Picture = backPictureOf(kBackIndexes.front());
}

void subOptionLoad(const Game& g, SubOptionForm& form) {
  // A back confirmed in an earlier run is the game's before the dialog is
  // first built: the preview shows it.
  for (const int index : kBackIndexes) {
    if (form.ChosenBack == 0 && index != kBackIndexes.front() &&
        backPictureOf(index) == g.chosenBack) {
      form.ChosenBack = index;
    }
  }
  if (form.ChosenBack != 0) {
    form.STANSARD.Picture = backPictureOf(form.ChosenBack);
  }
  HS_SPEED_Change(form, std::clamp(g.DelayMs, bounds::kDelayMs.lo, bounds::kDelayMs.hi));
}

void mnu_sub_option_Click(const Game& g, SubOptionForm& form) {
  form.TXT_NAME(1) = g.PlayerName(1);
  form.TXT_NAME(2) = g.PlayerName(2);
}

std::string secondsText(int delayMs) {
  // Whole milliseconds make an exact decimal: no float rounding to undo.
  std::string text = std::to_string(delayMs / 1000);
  const int fraction = delayMs % 1000;
  if (fraction != 0) {
    std::string digits = std::to_string(1000 + fraction).substr(1);
    digits.erase(digits.find_last_not_of('0') + 1);
    text += "." + digits;
  }
  return text;
}

int delayOfSecondsText(std::string_view text) {
  return static_cast<int>(roundHalfEven(withinLimit(numberOf(text) * 1000)));
}

namespace {

// A digit's value, -1 for a character of no digit set the box accepts.
int digitValue(char16_t c) {
  for (const char16_t zero : {u'0', u'\u0660', u'\u06F0'}) {
    if (c >= zero && c <= zero + 9) {
      return c - zero;
    }
  }
  return -1;
}

}  // namespace

std::optional<int> winningPointsOf(std::u16string_view typed) {
  int value = 0;
  for (const char16_t c : typed) {
    const int digit = digitValue(c);
    if (digit < 0 || value > (kMaxWinningPoints - digit) / 10) {
      return std::nullopt;
    }
    value = value * 10 + digit;
  }
  return value;
}

void HS_SPEED_Change(SubOptionForm& form, int value) {
  form.HS_SPEED = value;
  form.LBL_TIME = secondsText(value);
}

void Image1_Click(SubOptionForm& form, int index) {
  form.STANSARD.Picture = backPictureOf(index);
  form.PendingBack = index;
}

void Option1_Click(Game& g, SubOptionForm& /*form*/, int index) { g.SkillLevel = index; }

void CMD_OK_Click(Game& g, SubOptionForm& form) {
  g.PlayerName(1) = form.TXT_NAME(1);
  g.PlayerName(2) = form.TXT_NAME(2);
  form.ChosenBack = form.PendingBack;
  g.lbl_n_player(1).Caption = g.PlayerName(1);
  g.lbl_n_player(2).Caption = "(PC)  " + g.PlayerName(2);

  // Face-down cards already on the table turn to the new back at once.
  g.chosenBack = form.STANSARD.Picture;
  g.img_latch(1).Picture = g.chosenBack;
  g.img_latch(2).Picture = g.chosenBack;
  for (int k = 1; k <= g.HandSize; ++k) {
    g.Player2(k).Picture = g.chosenBack;
  }
  g.STANSARD.Picture = g.chosenBack;

  // The delay goes through the seconds text, as the person read it.
  g.DelayMs = delayOfSecondsText(form.LBL_TIME);
}

}  // namespace qorza

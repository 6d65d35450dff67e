// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/further_options.h"

#include <gtest/gtest.h>

#include "game/game_state.h"
#include "support/fake_platform.h"

namespace qorza {
namespace {

class FurtherOptionsTest : public ::testing::Test {
 protected:
  // The dialog as the menu command finds it: loaded once, names filled in.
  void open() {
    subOptionLoad(game, form);
    mnu_sub_option_Click(game, form);
  }

  testing::FakePlatform platform;
  Game game{platform};
  SubOptionForm form;
};

TEST_F(FurtherOptionsTest, OkWithoutChangesKeepsNamesAndSpeedAndMarksTheComputer) {
  game.PlayerName(1) = "سامي";
  game.lbl_n_player(2).Caption = game.PlayerName(2);
  open();
  EXPECT_EQ(form.LBL_TIME, "0.3");

  CMD_OK_Click(game, form);

  EXPECT_EQ(game.PlayerName(1), "سامي");
  EXPECT_EQ(game.PlayerName(2), kDefaultPlayer2Name);
  EXPECT_EQ(game.DelayMs, 300);
  EXPECT_EQ(game.lbl_n_player(1).Caption, "سامي");
  EXPECT_EQ(game.lbl_n_player(2).Caption, std::string("(PC)  ") + kDefaultPlayer2Name);

  // A second OK writes the label afresh: the prefix is never doubled.
  open();
  CMD_OK_Click(game, form);
  EXPECT_EQ(game.lbl_n_player(2).Caption, std::string("(PC)  ") + kDefaultPlayer2Name);
}

TEST_F(FurtherOptionsTest, SecondsTextFollowsTheScrollBar) {
  EXPECT_EQ(secondsText(300), "0.3");
  EXPECT_EQ(secondsText(1500), "1.5");
  EXPECT_EQ(secondsText(3000), "3");
  EXPECT_EQ(secondsText(0), "0");
  EXPECT_EQ(secondsText(2900), "2.9");
  EXPECT_EQ(secondsText(1050), "1.05");
  EXPECT_EQ(secondsText(7), "0.007");
  for (int ms = 0; ms <= 3000; ++ms) {
    ASSERT_EQ(delayOfSecondsText(secondsText(ms)), ms) << secondsText(ms);
  }
}

TEST_F(FurtherOptionsTest, ScrollBarAtItsEndsSetsTheDelayOnOk) {
  open();
  HS_SPEED_Change(form, 0);
  EXPECT_EQ(form.LBL_TIME, "0");
  EXPECT_EQ(game.DelayMs, 300) << "the speed waits for OK";
  CMD_OK_Click(game, form);
  EXPECT_EQ(game.DelayMs, 0);

  open();
  EXPECT_EQ(form.HS_SPEED, 0);
  HS_SPEED_Change(form, 2900);
  EXPECT_EQ(form.LBL_TIME, "2.9");
  CMD_OK_Click(game, form);
  EXPECT_EQ(game.DelayMs, 2900);
}

TEST_F(FurtherOptionsTest, DelayIsReadFromTheLabelText) {
  open();
  form.LBL_TIME = "1.25 s";
  CMD_OK_Click(game, form);
  EXPECT_EQ(game.DelayMs, 1250);
  form.LBL_TIME = "";
  CMD_OK_Click(game, form);
  EXPECT_EQ(game.DelayMs, 0);
}

TEST_F(FurtherOptionsTest, TheSmallBacksShowTheChosenBackFromTheStart) {
  game.chosenBack = "back-1";  // the dialog's first back, before any OK
  applyStartupDefaults(game);
  EXPECT_EQ(game.img_latch(1).Picture, "back-1");
  EXPECT_EQ(game.img_latch(2).Picture, "back-1");
}

TEST_F(FurtherOptionsTest, OnlyTheLastClickedBackIsApplied) {
  game.HandSize = 4;
  game.Player2(5).Picture = "untouched";
  open();
  Image1_Click(form, 3);
  Image1_Click(form, 11);
  EXPECT_EQ(form.STANSARD.Picture, "back-8");
  EXPECT_EQ(form.PendingBack, 11);
  EXPECT_EQ(game.STANSARD.Picture, kDeckBack) << "a click only previews";

  CMD_OK_Click(game, form);

  EXPECT_EQ(form.ChosenBack, 11);
  EXPECT_EQ(game.chosenBack, "back-8");
  EXPECT_EQ(game.STANSARD.Picture, "back-8");
  EXPECT_EQ(game.img_latch(1).Picture, "back-8");
  EXPECT_EQ(game.img_latch(2).Picture, "back-8");
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(game.Player2(k).Picture, "back-8") << k;
  }
  EXPECT_EQ(game.Player2(5).Picture, "untouched");
}

TEST_F(FurtherOptionsTest, OnlyTheEightBackPicturesExist) {
  EXPECT_EQ(backPictureOf(7), "back-6");  // the numbering has gaps
  EXPECT_THROW(backPictureOf(6), std::out_of_range);
  EXPECT_THROW(backPictureOf(0), std::out_of_range);
  EXPECT_THROW(backPictureOf(12), std::out_of_range);
}

TEST_F(FurtherOptionsTest, UnconfirmedClickNeitherReachesTheTableNorTheLoad) {
  open();
  Image1_Click(form, 4);
  CMD_OK_Click(game, form);
  Image1_Click(form, 2);  // then the dialog is closed without OK

  EXPECT_EQ(game.chosenBack, "back-4");
  EXPECT_EQ(game.STANSARD.Picture, "back-4");

  SubOptionForm reloaded = form;
  subOptionLoad(game, reloaded);
  EXPECT_EQ(reloaded.STANSARD.Picture, "back-4");
}

TEST_F(FurtherOptionsTest, LevelTakesEffectBeforeOk) {
  open();
  Option1_Click(game, form, 3);
  EXPECT_EQ(game.SkillLevel, 3);
}

TEST_F(FurtherOptionsTest, EmptyNamesAreStoredAsTheyAre) {
  open();
  form.TXT_NAME(1) = "";
  form.TXT_NAME(2) = "";
  CMD_OK_Click(game, form);
  EXPECT_EQ(game.PlayerName(1), "");
  EXPECT_EQ(game.lbl_n_player(2).Caption, "(PC)  ");
}

TEST(WinningPoints, DigitsOfTheThreeSetsReadAsTheirValues) {
  EXPECT_EQ(winningPointsOf(u"250"), 250);
  EXPECT_EQ(winningPointsOf(u"\u0662\u0660\u0660"), 200);  // Arabic-Indic
  EXPECT_EQ(winningPointsOf(u"\u06F3\u06F0\u06F1"), 301);  // Extended Arabic-Indic
  EXPECT_EQ(winningPointsOf(u"9\u0669\u06F9"), 999);
  EXPECT_EQ(winningPointsOf(u"000101"), 101);
  EXPECT_EQ(winningPointsOf(u""), 0);
  EXPECT_EQ(winningPointsOf(u"999999999"), kMaxWinningPoints);
}

TEST(WinningPoints, AnythingButThoseDigitsReadsAsNothing) {
  for (const std::u16string_view typed :
       {u"-5", u"+5", u"abc", u"12.5", u"1 0", u" 7", u"\u0664\u0665\u066B",  // Arabic decimal sign
        u"\u096A", u"\uFF10", u"\u0669\u0660x", u"1000000000", u"99999999999999999999"}) {
    EXPECT_EQ(winningPointsOf(typed), std::nullopt);
  }
}

}  // namespace
}  // namespace qorza

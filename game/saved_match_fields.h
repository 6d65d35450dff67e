// SPDX-License-Identifier: GPL-3.0-or-later
// The one list of what a saved match holds, walked by the writer and by the
// reader alike (saved_match.cpp), each field with the range play can take.
#pragma once

#include "game/bounds.h"
#include "game/game_state.h"
#include "game/numbers.h"

namespace qorza {

namespace saved {

inline constexpr Range kDealCount = bounds::kDealCount;
inline constexpr Range kTableSlot{0, 10};   // a table or hand position; 0 for none
inline constexpr Range kCardValue{0, 13};   // a rank; 0 for none
inline constexpr Range kSmallCount{0, 52};  // cards counted in one play
inline constexpr Range kScore{-static_cast<int>(kNumberLimit), static_cast<int>(kNumberLimit)};

template <typename A, typename P>
void player1Fields(A& a, P& p) {
  a.integer("PlayedValue", p.PlayedValue, kCardValue);
  a.integer("TableCount", p.TableCount, kSmallCount);
  a.integers("TableValue", p.TableValue, kCardValue);
  a.integers("TableSlot", p.TableSlot, kTableSlot);
  a.integer("TableLeft", p.TableLeft, kSmallCount);
  a.flag("TableWasEmpty", p.TableWasEmpty);
  a.flag("EqualTaken", p.EqualTaken);
  a.flag("SumTaken", p.SumTaken);
  a.flag("JackPlayed", p.JackPlayed);
  a.flag("QorzaMade", p.QorzaMade);
  a.flag("AceSoundDue", p.AceSoundDue);
  a.flag("TwoSoundDue", p.TwoSoundDue);
  a.flag("TenSoundDue", p.TenSoundDue);
}

template <typename A, typename R>
void captureFields(A& a, R& r) {
  a.flag("Found", r.Found);
  a.integer("Count", r.Count, kSmallCount);
  a.integers("Slot", r.Slot, kTableSlot);
}

template <typename A, typename P>
void player2Fields(A& a, P& p) {
  a.integer("HandCount2", p.HandCount2, kSmallCount);
  a.integers("HandValue2", p.HandValue2, kCardValue);
  a.integers("HandSlot2", p.HandSlot2, kTableSlot);
  a.integer("HandCount1", p.HandCount1, kSmallCount);
  a.integers("HandValue1", p.HandValue1, kCardValue);
  a.integers("HandSlot1", p.HandSlot1, kTableSlot);
  a.integer("TableCount2", p.TableCount2, kSmallCount);
  a.integers("TableValue2", p.TableValue2, kCardValue);
  a.integers("TableSlot2", p.TableSlot2, kTableSlot);
  const auto capture = [](auto& sub, auto& r) { captureFields(sub, r); };
  a.groups("TakeEqual", p.TakeEqual, capture);
  a.groups("TakePairs", p.TakePairs, capture);
  a.groups("TakeTriples", p.TakeTriples, capture);
  a.groups("TakeQuads", p.TakeQuads, capture);
  a.integers("TakeCount", p.TakeCount, kSmallCount);
  a.list("MakesQorza", p.MakesQorza, a.flagItem());
  a.flag("AceSoundDue2", p.AceSoundDue2);
  a.flag("TwoSoundDue2", p.TwoSoundDue2);
  a.flag("TenSoundDue2", p.TenSoundDue2);
  a.flag("JackSoundDue2", p.JackSoundDue2);
  a.flag("SweepFound", p.SweepFound);
  a.integer("SweepCard", p.SweepCard, kTableSlot);
  a.integers("TakenValue2", p.TakenValue2, kCardValue);
  a.integer("TrialValue", p.TrialValue, kCardValue);
  a.integer("TrialLeft", p.TrialLeft, kSmallCount);
  a.flag("RankHeld1", p.RankHeld1);
  a.integer("SafeCount", p.SafeCount, kSmallCount);
  a.integers("SafeValue", p.SafeValue, kCardValue);
  a.integers("SafeSlot", p.SafeSlot, kTableSlot);
  a.integer("LookCount", p.LookCount, kSmallCount);
  a.integers("LookValue", p.LookValue, kCardValue);
  a.integers("LookSlot", p.LookSlot, kTableSlot);
}

template <typename A, typename M>
void resultsFields(A& a, M& m) {
  a.flag("Loaded", m.Loaded);
  a.flag("EverShown", m.EverShown);
  a.grid("Grid1", m.Grid1);
  a.verdict("Label1Caption", m.verdict);  // the Arabic words, in every language
  a.flag("Label1Visible", m.Label1Visible);
  a.integer("NewestRow", m.NewestRow, kDealCount);
  a.breakdowns("Breakdowns", m.Breakdowns);  // absent from older matches
}

template <typename A, typename G>
void slotFields(A& a, G& g) {
  a.cards("card", g.card);
  a.cards("game", g.game);
  a.cards("game1", g.game1);
  a.cards("Player1", g.Player1);
  a.cards("Player2", g.Player2);
  a.cards("Player02", g.Player02);
  a.card("STANSARD", g.STANSARD);
  a.holder("img_swap", g.img_swap);
  a.cards("img_card1", g.img_card1);
  a.cards("img_card2", g.img_card2);
  a.cards("img_qorza1", g.img_qorza1);
  a.cards("img_qorza2", g.img_qorza2);
  a.cards("img_latch", g.img_latch);
  a.labels("Label1", g.Label1);
  a.labels("lbl_qorza1", g.lbl_qorza1);
  a.labels("lbl_qorza2", g.lbl_qorza2);
  a.labels("Label3", g.Label3);
  a.labels("lbl_n_player", g.lbl_n_player);
  a.boxes("TXT_CARD", g.TXT_CARD);
  a.boxes("TXT_POINT", g.TXT_POINT);
  a.boxes("txt_qorza", g.txt_qorza);
  a.box("TXT_NAME", g.TXT_NAME);
}

template <typename A, typename G>
void settingFields(A& a, G& g) {
  a.flag("Activated", g.Activated);
  a.flag("KeyPreview", g.KeyPreview);
  a.flag("MNU_RESULTS_Enabled", g.MNU_RESULTS_Enabled);
  a.integer("DeckSize", g.DeckSize, {44, 52});  // and checked to be a variant
  a.integer("HandSize", g.HandSize, {4, 6});
  a.list("DeckOrder", g.DeckOrder, a.deckOrderItem());
  a.integer("DealtCount", g.DealtCount, {0, 52});
  a.integer("TurnInHand", g.TurnInHand, {0, 5});
  a.list("PlayerName", g.PlayerName, a.textItem());
  a.integer("SkillLevel", g.SkillLevel, bounds::kLevel);
  a.integer("DelayMs", g.DelayMs, bounds::kDelayMs);
  a.flag("SoundOn", g.SoundOn);
  a.text("winningPointsText", g.winningPointsText);
  a.back("chosenBack", g.chosenBack);
  a.integer("CardImgNext1", g.CardImgNext1, bounds::kStripNext);
  a.integer("CardImgNext2", g.CardImgNext2, bounds::kStripNext);
  a.integer("QorzaImgNext1", g.QorzaImgNext1, bounds::kQorzaDisplayNext);
  a.integer("QorzaImgNext2", g.QorzaImgNext2, bounds::kQorzaDisplayNext);
  a.integer("RoundCount1", g.RoundCount1, kDealCount);
  a.integer("RoundCount2", g.RoundCount2, kDealCount);
  a.integers("ScoreTable", g.ScoreTable, kScore);
}

}  // namespace saved

// Every saved field of the game, in the order the text holds them.
template <typename A, typename G>
void matchFields(A& a, G& g) {
  saved::slotFields(a, g);
  saved::settingFields(a, g);
  a.group("p1", [&](auto& sub) { saved::player1Fields(sub, g.p1); });
  a.group("p2", [&](auto& sub) { saved::player2Fields(sub, g.p2); });
  a.group("frm_results", [&](auto& sub) { saved::resultsFields(sub, g.frm_results); });
  a.random("rng", g.rng);
  a.deck("presetDeck", g.presetDeck);
}

}  // namespace qorza

#include "tools/script/state_dump.h"

#include "game/game_state.h"
#include "tools/script/card_notation.h"
#include "tools/script/headless_platform.h"

namespace qorza::script {

namespace {

using Json = nlohmann::ordered_json;

template <typename Slots>
Json slotsJson(const Slots& slots) {
  Json list = Json::array();
  for (const CardSlot& slot : slots) {
    list.push_back(slot.Visible ? Json(slotText(slot)) : Json(nullptr));
  }
  return list;
}

// Player 2's hand: the face lives in Player02, Tag and mark in Player2.
Json hand2Json(const Game& g) {
  Json list = Json::array();
  for (int i = 1; i <= 6; ++i) {
    if (!g.Player2(i).Visible) {
      list.push_back(nullptr);
      continue;
    }
    CardSlot card = g.Player2(i);
    card.Picture = g.Player02(i).Picture;
    list.push_back(slotText(card));
  }
  return list;
}

template <typename Strip>
Json stripJson(const Strip& strip) {
  Json list = Json::array();
  for (const CardSlot& slot : strip) {
    if (slot.Visible) {
      list.push_back(pictureText(slot.Picture));
    }
  }
  return list;
}

template <typename Pictures, typename Captions>
Json qorzaJson(const Pictures& pictures, const Captions& captions) {
  Json list = Json::array();
  for (int p = 1; p <= 6; ++p) {
    if (pictures(p).Visible) {
      list.push_back(
          {{"pos", p}, {"card", pictureText(pictures(p).Picture)}, {"worth", captions(p).Caption}});
    }
  }
  return list;
}

template <typename Boxes>
Json pairJson(const Boxes& boxes) {
  return Json::array({boxes(1).Text, boxes(2).Text});
}

Json deckJson(const Game& g) {
  Json list = Json::array();
  for (int i = 1; i <= g.DeckSize; ++i) {
    const CardSlot& card = g.card(i);
    list.push_back(card.Picture.empty() ? Json(nullptr) : Json(slotText(card)));  // never dealt
  }
  return list;
}

// The rows written so far, the verdict if it shows, the highlighted column.
Json resultsJson(const std::optional<ResultsWindowModel>& shown) {
  if (!shown) {
    return nullptr;
  }
  Json grid = Json::array();
  int highlight = 0;
  for (std::size_t r = 1; r < shown->Grid1.size(); ++r) {
    const auto& row = shown->Grid1[r];
    for (std::size_t c = 1; c < row.size() && c <= 2; ++c) {
      if (row[c].Highlighted) {
        highlight = static_cast<int>(c);
      }
    }
    if (row.size() >= 3 && (!row[1].Text.empty() || !row[2].Text.empty())) {
      grid.push_back({row[0].Text, row[1].Text, row[2].Text});
    }
  }
  return {{"grid", grid},
          {"verdict", shown->Label1Visible ? Json(shown->Label1Caption) : Json(nullptr)},
          {"highlight", highlight}};
}

}  // namespace

nlohmann::ordered_json dumpState(const Game& g, HeadlessPlatform& platform) {
  Json state;
  state["table"] = slotsJson(g.game);
  state["hand1"] = slotsJson(g.Player1);
  state["hand2"] = hand2Json(g);
  state["TXT_CARD"] = pairJson(g.TXT_CARD);
  state["TXT_POINT"] = pairJson(g.TXT_POINT);
  state["txt_qorza"] = pairJson(g.txt_qorza);
  state["TXT_NAME"] = g.TXT_NAME.Text;
  state["img_card1"] = stripJson(g.img_card1);
  state["img_card2"] = stripJson(g.img_card2);
  state["qorza1"] = qorzaJson(g.img_qorza1, g.lbl_qorza1);
  state["qorza2"] = qorzaJson(g.img_qorza2, g.lbl_qorza2);
  state["sounds"] = platform.takeSounds();
  state["DeckSize"] = g.DeckSize;
  state["HandSize"] = g.HandSize;
  state["SkillLevel"] = g.SkillLevel;
  state["DealtCount"] = g.DealtCount;
  state["TurnInHand"] = g.TurnInHand;
  state["CardImgNext1"] = g.CardImgNext1;
  state["CardImgNext2"] = g.CardImgNext2;
  state["QorzaImgNext1"] = g.QorzaImgNext1;
  state["QorzaImgNext2"] = g.QorzaImgNext2;
  state["RoundCount1"] = g.RoundCount1;
  state["ScoreTable"] = {g.ScoreTable(1), g.ScoreTable(2)};
  state["deck"] = deckJson(g);
  state["results"] = resultsJson(platform.lastResults());
  return state;
}

}  // namespace qorza::script

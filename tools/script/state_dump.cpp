// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/state_dump.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include "game/game_state.h"
#include "tools/script/card_notation.h"
#include "tools/script/headless_platform.h"

namespace qorza::script {

namespace {

// Writes compact JSON text straight into one string, in the form the JSON
// library prints (no spaces, strings in UTF-8 with only the required escapes).
// The string is sized ahead and filled through a count of the bytes used.
class JsonText {
 public:
  std::string take() {
    text_.resize(used_);
    return std::move(text_);
  }

  void key(std::string_view name) {
    separate();
    put('"');
    put(name);
    put("\":");
    fresh_ = true;
  }
  void open(char bracket) {
    separate();
    put(bracket);
    fresh_ = true;
  }
  void close(char bracket) {
    put(bracket);
    fresh_ = false;
  }
  void null() {
    separate();
    put("null");
  }
  void number(long long value) {
    separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  void string(std::string_view value) {
    separate();
    if (plain(value)) {
      room(value.size() + 2);
      text_[used_++] = '"';
      put(value);
      text_[used_++] = '"';
    } else {
      put(nlohmann::ordered_json(value).dump());  // escapes and checks the UTF-8
    }
  }

 private:
  // Text the library would print between quotes as it is.
  static bool plain(std::string_view value) {
    for (const char c : value) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 0x20 || byte >= 0x80 || c == '"' || c == '\\') {
        return false;
      }
    }
    return true;
  }
  void separate() {
    if (!fresh_) {
      put(',');
    }
    fresh_ = false;
  }
  void room(std::size_t n) {
    if (used_ + n > text_.size()) {
      text_.resize(std::max(2 * text_.size(), used_ + n));
    }
  }
  void put(char c) {
    room(1);
    text_[used_++] = c;
  }
  void put(std::string_view part) {
    room(part.size());
    std::memcpy(text_.data() + used_, part.data(), part.size());
    used_ += part.size();
  }

  std::string text_ = std::string(4096, '\0');  // a whole dump without growing
  std::size_t used_ = 0;
  bool fresh_ = true;
};

template <typename Slots>
void writeSlots(JsonText& json, const Slots& slots) {
  json.open('[');
  for (const CardSlot& slot : slots) {
    slot.Visible ? json.string(slotText(slot)) : json.null();
  }
  json.close(']');
}

// Player 2's hand: the face lives in Player02, Tag and mark in Player2.
void writeHand2(JsonText& json, const Game& g) {
  json.open('[');
  for (int i = 1; i <= 6; ++i) {
    if (!g.Player2(i).Visible) {
      json.null();
      continue;
    }
    CardSlot card = g.Player2(i);
    card.Picture = g.Player02(i).Picture;
    json.string(slotText(card));
  }
  json.close(']');
}

template <typename Strip>
void writeStrip(JsonText& json, const Strip& strip) {
  json.open('[');
  for (const CardSlot& slot : strip) {
    if (slot.Visible) {
      json.string(pictureText(slot.Picture));
    }
  }
  json.close(']');
}

template <typename Pictures, typename Captions>
void writeQorzas(JsonText& json, const Pictures& pictures, const Captions& captions) {
  json.open('[');
  for (int p = 1; p <= 6; ++p) {
    if (pictures(p).Visible) {
      json.open('{');
      json.key("pos");
      json.number(p);
      json.key("card");
      json.string(pictureText(pictures(p).Picture));
      json.key("worth");
      json.string(captions(p).Caption);
      json.close('}');
    }
  }
  json.close(']');
}

template <typename Boxes>
void writePair(JsonText& json, const Boxes& boxes) {
  json.open('[');
  json.string(boxes(1).Text);
  json.string(boxes(2).Text);
  json.close(']');
}

void writeDeck(JsonText& json, const Game& g) {
  json.open('[');
  for (int i = 1; i <= g.DeckSize; ++i) {
    const CardSlot& card = g.card(i);
    const std::string* text = libraryCardText(card);
    if (text) {
      json.string(*text);
    } else {
      card.Picture.empty() ? json.null() : json.string(slotText(card));  // never dealt
    }
  }
  json.close(']');
}

// The highlighted column of the deal rows (0: none).
int highlightOf(const ResultsWindowModel& shown) {
  int highlight = 0;
  for (std::size_t r = 1; r < shown.Grid1.size(); ++r) {
    const auto& row = shown.Grid1[r];
    for (std::size_t c = 1; c < row.size() && c <= 2; ++c) {
      if (row[c].Highlighted) {
        highlight = static_cast<int>(c);
      }
    }
  }
  return highlight;
}

// The rows written so far, the verdict if it shows, the highlighted column.
void writeResults(JsonText& json, const std::optional<ResultsWindowModel>& shown) {
  if (!shown) {
    json.null();
    return;
  }
  json.open('{');
  json.key("grid");
  json.open('[');
  for (std::size_t r = 1; r < shown->Grid1.size(); ++r) {
    const auto& row = shown->Grid1[r];
    if (row.size() >= 3 && (!row[1].Text.empty() || !row[2].Text.empty())) {
      json.open('[');
      json.string(row[0].Text);
      json.string(row[1].Text);
      json.string(row[2].Text);
      json.close(']');
    }
  }
  json.close(']');
  json.key("verdict");
  shown->Label1Visible ? json.string(verdictWords(shown->verdict)) : json.null();
  json.key("highlight");
  json.number(highlightOf(*shown));
  json.close('}');
}

void writeCounters(JsonText& json, const Game& g) {
  const std::pair<std::string_view, int> counters[] = {
      {"DeckSize", g.DeckSize},           {"HandSize", g.HandSize},
      {"SkillLevel", g.SkillLevel},       {"DealtCount", g.DealtCount},
      {"TurnInHand", g.TurnInHand},       {"CardImgNext1", g.CardImgNext1},
      {"CardImgNext2", g.CardImgNext2},   {"QorzaImgNext1", g.QorzaImgNext1},
      {"QorzaImgNext2", g.QorzaImgNext2}, {"RoundCount1", g.RoundCount1}};
  for (const auto& [name, value] : counters) {
    json.key(name);
    json.number(value);
  }
}

}  // namespace

std::string stateText(const Game& g, HeadlessPlatform& platform) {
  JsonText json;
  json.open('{');
  json.key("table");
  writeSlots(json, g.game);
  json.key("hand1");
  writeSlots(json, g.Player1);
  json.key("hand2");
  writeHand2(json, g);
  json.key("TXT_CARD");
  writePair(json, g.TXT_CARD);
  json.key("TXT_POINT");
  writePair(json, g.TXT_POINT);
  json.key("txt_qorza");
  writePair(json, g.txt_qorza);
  json.key("TXT_NAME");
  json.string(g.TXT_NAME.Text);
  json.key("img_card1");
  writeStrip(json, g.img_card1);
  json.key("img_card2");
  writeStrip(json, g.img_card2);
  json.key("qorza1");
  writeQorzas(json, g.img_qorza1, g.lbl_qorza1);
  json.key("qorza2");
  writeQorzas(json, g.img_qorza2, g.lbl_qorza2);
  json.key("sounds");
  json.open('[');
  for (const std::string& sound : platform.takeSounds()) {
    json.string(sound);
  }
  json.close(']');
  writeCounters(json, g);
  json.key("ScoreTable");
  json.open('[');
  json.number(g.ScoreTable(1));
  json.number(g.ScoreTable(2));
  json.close(']');
  json.key("deck");
  writeDeck(json, g);
  json.key("results");
  writeResults(json, platform.lastResults());
  json.close('}');
  return json.take();
}

nlohmann::ordered_json dumpState(const Game& g, HeadlessPlatform& platform) {
  return nlohmann::ordered_json::parse(stateText(g, platform));
}

}  // namespace qorza::script

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/saved_match.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "game/bounds.h"
#include "game/card_library.h"
#include "game/further_options.h"
#include "game/game_state.h"
#include "game/reachable_position.h"
#include "game/saved_match_fields.h"

namespace qorza {

namespace {

using json = nlohmann::ordered_json;

// A fault in the text: its message is the reason loadMatch gives.
class LoadFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void fault(const std::string& where, const std::string& what) {
  throw LoadFault(where + ": " + what);
}

bool isBack(std::string_view picture) {
  if (picture == kDeckBack) {
    return true;
  }
  for (std::size_t k = 1; k <= kBackIndexes.size(); ++k) {
    if (picture == "back-" + std::to_string(k)) {
      return true;
    }
  }
  return false;
}

bool isLibraryIndexText(std::string_view text) {
  for (int i = 1; i <= kLibrarySize; ++i) {
    if (text == std::to_string(i)) {
      return true;
    }
  }
  return false;
}

bool isRankTag(std::string_view tag) {
  for (int rank = 1; rank <= 13; ++rank) {
    if (tag == std::to_string(rank)) {
      return true;
    }
  }
  return false;
}

// A face carries its own rank and marker or none (the faces of the
// computer's hand carry none); a back or an empty slot may carry a card's
// rank and marker (the computer's hand shows the back over its card). A
// holder (img_swap) keeps a picture in passing beside whatever rank it held.
void checkCard(const std::string& where, const CardSlot& slot, bool holder = false) {
  const auto face = faceOfPicture(slot.Picture);
  if (face && !holder) {
    const CardSlot own = libraryCard(libraryIndex(face->suit, face->rank));
    if ((!slot.Tag.empty() && slot.Tag != own.Tag) ||
        (!slot.ToolTipText.empty() && slot.ToolTipText != own.ToolTipText)) {
      fault(where, "card " + slot.Picture + " with a wrong rank or marker");
    }
    return;
  }
  if (!face && !slot.Picture.empty() && !isBack(slot.Picture)) {
    fault(where, "no card picture");
  }
  if (!slot.Tag.empty() && !isRankTag(slot.Tag)) {
    fault(where, "no rank");
  }
  if (!slot.ToolTipText.empty() && slot.ToolTipText != "10" && slot.ToolTipText != "2") {
    fault(where, "no point marker");
  }
}

// Writes each field into a JSON object.
class Writer {
 public:
  json out = json::object();

  void integer(const char* key, int value, Range /*range*/) { out[key] = value; }
  void flag(const char* key, bool value) { out[key] = value; }
  void text(const char* key, const std::string& value) { out[key] = value; }
  void verdict(const char* key, Verdict value) { out[key] = verdictWords(value); }
  void card(const char* key, const CardSlot& slot) { out[key] = cardJson(slot); }
  void holder(const char* key, const CardSlot& slot) { card(key, slot); }
  void back(const char* key, const Picture& picture) { out[key] = picture; }

  template <typename T, int Lo, int Hi, typename Each>
  void list(const char* key, const SlotArray<T, Lo, Hi>& items, Each each) {
    json array = json::array();
    for (const T& item : items) {
      array.push_back(each(item));
    }
    out[key] = std::move(array);
  }
  template <int Lo, int Hi>
  void integers(const char* key, const SlotArray<int, Lo, Hi>& items, Range /*range*/) {
    list(key, items, [](int v) { return json(v); });
  }
  template <int Lo, int Hi>
  void cards(const char* key, const SlotArray<CardSlot, Lo, Hi>& items) {
    list(key, items, cardJson);
  }
  template <int Lo, int Hi>
  void labels(const char* key, const SlotArray<Label, Lo, Hi>& items) {
    list(key, items, [](const Label& l) { return json::array({l.Caption, l.Visible}); });
  }
  template <int Lo, int Hi>
  void boxes(const char* key, const SlotArray<TextBox, Lo, Hi>& items) {
    list(key, items, [](const TextBox& b) { return json::array({b.Text, b.Visible}); });
  }
  void box(const char* key, const TextBox& b) { out[key] = json::array({b.Text, b.Visible}); }

  static auto flagItem() {
    return [](bool b) { return json(b); };
  }
  static auto textItem() {
    return [](const std::string& t) { return json(t); };
  }
  static auto deckOrderItem() { return textItem(); }

  template <typename Body>
  void group(const char* key, Body body) {
    Writer inner;
    body(inner);
    out[key] = std::move(inner.out);
  }
  template <typename T, int Lo, int Hi, typename Body>
  void groups(const char* key, const SlotArray<T, Lo, Hi>& items, Body body) {
    list(key, items, [&](const T& item) {
      Writer inner;
      body(inner, item);
      return inner.out;
    });
  }

  void grid(const char* key, const std::vector<std::vector<ResultsCell>>& rows) {
    json array = json::array();
    for (const auto& row : rows) {
      json cells = json::array();
      for (const ResultsCell& c : row) {
        cells.push_back(json::array({c.Text, c.Highlighted}));
      }
      array.push_back(std::move(cells));
    }
    out[key] = std::move(array);
  }
  void breakdowns(const char* key, const std::vector<DealBreakdown>& rows) {
    json array = json::array();
    for (const DealBreakdown& b : rows) {
      json row = json::object({{"deal", b.deal}});
      for (std::size_t p = 0; p < 2; ++p) {
        const DealScorePart& part = b.players[p];
        row[p == 0 ? "player1" : "player2"] =
            json::array({part.qorzaWorth, part.cardPoints, part.cardBonus, part.rounding});
      }
      array.push_back(std::move(row));
    }
    out[key] = std::move(array);
  }
  void deck(const char* key, const std::vector<int>& indexes) { out[key] = indexes; }
  void random(const char* key, const Random& rng) {
    out[key] = json::object({{"state", rng.state()}, {"fixed", rng.seedIsFixed()}});
  }

 private:
  static json cardJson(const CardSlot& s) {
    return json::array({s.Picture, s.Tag, s.ToolTipText, s.Visible, s.Enabled});
  }
};

// Reads each field from a JSON object, checking type and range; the first
// fault throws LoadFault naming the field.
class Reader {
 public:
  Reader(const json& in, std::string where) : in_(in), where_(std::move(where)) {}

  void integer(const char* key, int& value, Range range) {
    value = integerOf(at(key), path(key), range);
  }
  void flag(const char* key, bool& value) { value = flagOf(at(key), path(key)); }
  void text(const char* key, std::string& value) { value = textOf(at(key), path(key)); }
  void verdict(const char* key, Verdict& value) {
    const auto read = verdictOfWords(textOf(at(key), path(key)));
    if (!read) {
      fault(path(key), "not a verdict");
    }
    value = *read;
  }
  void card(const char* key, CardSlot& slot) { slot = cardOf(at(key), path(key)); }
  void holder(const char* key, CardSlot& slot) { slot = cardOf(at(key), path(key), true); }
  void back(const char* key, Picture& picture) {
    Picture read = textOf(at(key), path(key));
    if (!isBack(read)) {
      fault(path(key), "no card back");
    }
    picture = std::move(read);
  }

  template <typename T, int Lo, int Hi, typename Each>
  void list(const char* key, SlotArray<T, Lo, Hi>& items, Each each) {
    const json& array = at(key);
    constexpr int count = Hi - Lo + 1;
    if (!array.is_array() || array.size() != static_cast<std::size_t>(count)) {
      fault(path(key), "not a list of " + std::to_string(count));
    }
    for (int i = Lo; i <= Hi; ++i) {
      items(i) = each(array[static_cast<std::size_t>(i - Lo)], path(key) + "." + std::to_string(i));
    }
  }
  template <int Lo, int Hi>
  void integers(const char* key, SlotArray<int, Lo, Hi>& items, Range range) {
    list(key, items, [&](const json& j, const std::string& w) { return integerOf(j, w, range); });
  }
  template <int Lo, int Hi>
  void cards(const char* key, SlotArray<CardSlot, Lo, Hi>& items) {
    list(key, items, [&](const json& j, const std::string& w) { return cardOf(j, w); });
  }
  template <int Lo, int Hi>
  void labels(const char* key, SlotArray<Label, Lo, Hi>& items) {
    list(key, items, [&](const json& j, const std::string& w) {
      const auto [caption, visible] = pairOf(j, w);
      return Label{caption, visible};
    });
  }
  template <int Lo, int Hi>
  void boxes(const char* key, SlotArray<TextBox, Lo, Hi>& items) {
    list(key, items, [&](const json& j, const std::string& w) {
      const auto [text, visible] = pairOf(j, w);
      return TextBox{text, visible};
    });
  }
  void box(const char* key, TextBox& b) {
    const auto [text, visible] = pairOf(at(key), path(key));
    b = TextBox{text, visible};
  }

  auto flagItem() const {
    return [](const json& j, const std::string& w) { return flagOf(j, w); };
  }
  auto textItem() const {
    return [](const json& j, const std::string& w) { return textOf(j, w); };
  }
  // A deck position holds a library index as text, or nothing.
  auto deckOrderItem() const {
    return [](const json& j, const std::string& w) {
      std::string t = textOf(j, w);
      if (!t.empty() && !isLibraryIndexText(t)) {
        fault(w, "no library index");
      }
      return t;
    };
  }

  template <typename Body>
  void group(const char* key, Body body) {
    const json& inner = at(key);
    if (!inner.is_object()) {
      fault(path(key), "not an object");
    }
    Reader reader(inner, path(key));
    body(reader);
  }
  template <typename T, int Lo, int Hi, typename Body>
  void groups(const char* key, SlotArray<T, Lo, Hi>& items, Body body) {
    list(key, items, [&](const json& j, const std::string& w) {
      if (!j.is_object()) {
        fault(w, "not an object");
      }
      Reader reader(j, w);
      T item{};
      body(reader, item);
      return item;
    });
  }

  void grid(const char* key, std::vector<std::vector<ResultsCell>>& rows) {
    const json& array = at(key);
    if (!array.is_array() || array.size() > kMaxGridRows) {
      fault(path(key), "not a list of rows");
    }
    std::vector<std::vector<ResultsCell>> read;
    for (std::size_t r = 0; r < array.size(); ++r) {
      const std::string w = path(key) + "." + std::to_string(r);
      if (!array[r].is_array() || array[r].size() != 3) {
        fault(w, "not a row of 3 cells");
      }
      std::vector<ResultsCell> row;
      for (const json& c : array[r]) {
        const auto [t, highlighted] = pairOf(c, w);
        row.push_back({t, highlighted});
      }
      read.push_back(std::move(row));
    }
    rows = std::move(read);
  }
  // Optional: a match saved before the rows kept their breakdown has none.
  void breakdowns(const char* key, std::vector<DealBreakdown>& rows) {
    if (in_.find(key) == in_.end()) {
      rows.clear();
      return;
    }
    const json& array = at(key);
    if (!array.is_array() || array.size() > kMaxGridRows) {
      fault(path(key), "not a list of deal breakdowns");
    }
    std::vector<DealBreakdown> read;
    for (std::size_t r = 0; r < array.size(); ++r) {
      const std::string w = path(key) + "." + std::to_string(r);
      if (!array[r].is_object()) {
        fault(w, "not an object");
      }
      Reader row(array[r], w);
      DealBreakdown b;
      row.integer("deal", b.deal, Range{1, saved::kDealCount.hi});
      for (std::size_t p = 0; p < 2; ++p) {
        const char* who = p == 0 ? "player1" : "player2";
        const json& parts = row.at(who);
        if (!parts.is_array() || parts.size() != 4) {
          fault(row.path(who), "not [Qorza, points, bonus, rounding]");
        }
        DealScorePart& part = b.players[p];
        part.qorzaWorth = amountOf(parts[0], row.path(who));
        part.cardPoints = amountOf(parts[1], row.path(who));
        part.cardBonus = integerOf(parts[2], row.path(who), Range{0, 3});
        part.rounding = amountOf(parts[3], row.path(who));
      }
      read.push_back(b);
    }
    rows = std::move(read);
  }
  void deck(const char* key, std::vector<int>& indexes) {
    const json& array = at(key);
    if (!array.is_array() || array.size() > static_cast<std::size_t>(kLibrarySize)) {
      fault(path(key), "not a list of cards");
    }
    std::vector<int> read;
    for (const json& j : array) {
      read.push_back(integerOf(j, path(key), Range{1, kLibrarySize}));
    }
    indexes = std::move(read);
  }
  void random(const char* key, Random& rng) {
    const json& inner = at(key);
    if (!inner.is_object()) {
      fault(path(key), "not an object");
    }
    Reader reader(inner, path(key));
    std::string state;
    bool fixed = false;
    reader.text("state", state);
    reader.flag("fixed", fixed);
    if (!rng.restore(state, fixed)) {
      fault(path(key), "no generator state");
    }
  }

 private:
  // A heading row and a row for each deal.
  static constexpr std::size_t kMaxGridRows = bounds::kDealCount.hi + 1;

  std::string path(const std::string& key) const {
    return where_.empty() ? key : where_ + "." + key;
  }
  const json& at(const char* key) const {
    const auto found = in_.find(key);
    if (found == in_.end()) {
      fault(path(key), "missing");
    }
    return *found;
  }
  static int integerOf(const json& j, const std::string& w, Range range) {
    if (!j.is_number_integer()) {
      fault(w, "not a whole number");
    }
    const bool inRange =
        j.is_number_unsigned()
            ? j.get<std::uint64_t>() <= static_cast<std::uint64_t>(range.hi)
            : j.get<std::int64_t>() >= range.lo && j.get<std::int64_t>() <= range.hi;
    if (!inRange || j.get<std::int64_t>() < range.lo) {
      fault(w, "outside " + std::to_string(range.lo) + ".." + std::to_string(range.hi));
    }
    return j.get<int>();
  }
  // A number a counter can hold, whole or not.
  static double amountOf(const json& j, const std::string& w) {
    if (!j.is_number() || !(std::abs(j.get<double>()) <= kNumberLimit)) {
      fault(w, "not a number within the counters' limit");
    }
    return j.get<double>();
  }
  static bool flagOf(const json& j, const std::string& w) {
    if (!j.is_boolean()) {
      fault(w, "not true or false");
    }
    return j.get<bool>();
  }
  static std::string textOf(const json& j, const std::string& w) {
    if (!j.is_string()) {
      fault(w, "not text");
    }
    return j.get<std::string>();
  }
  std::pair<std::string, bool> pairOf(const json& j, const std::string& w) const {
    if (!j.is_array() || j.size() != 2 || !j[0].is_string() || !j[1].is_boolean()) {
      fault(w, "not a [text, flag] pair");
    }
    return {j[0].get<std::string>(), j[1].get<bool>()};
  }
  static CardSlot cardOf(const json& j, const std::string& w, bool holder = false) {
    if (!j.is_array() || j.size() != 5 || !j[0].is_string() || !j[1].is_string() ||
        !j[2].is_string() || !j[3].is_boolean() || !j[4].is_boolean()) {
      fault(w, "not a card [picture, rank, marker, shown, enabled]");
    }
    CardSlot slot{j[0].get<std::string>(), j[1].get<std::string>(), j[2].get<std::string>(),
                  j[3].get<bool>(), j[4].get<bool>()};
    checkCard(w, slot, holder);
    return slot;
  }

  const json& in_;
  std::string where_;
};

void checkHeader(const json& doc) {
  if (!doc.is_object()) {
    fault("match", "not an object");
  }
  const auto format = doc.find("format");
  if (format == doc.end() || !format->is_string() || *format != kSavedMatchFormat) {
    fault("format", "not a saved Qorza match");
  }
  const auto version = doc.find("version");
  if (version == doc.end() || !version->is_number_integer() || *version < 1) {
    fault("version", "missing or not a version number");
  }
  if (*version > kSavedMatchVersion) {
    fault("version", "saved by a newer version of the game");
  }
}

// How deep a saved match nests its lists and objects (the cells of a deal
// row lie deepest, at 5); deeper text is refused before it is parsed.
constexpr int kMaxNesting = 16;

bool nestsTooDeep(std::string_view text) {
  int depth = 0;
  bool inString = false;
  bool escaped = false;
  for (const char c : text) {
    if (inString) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else {
        inString = c != '"';
      }
      continue;
    }
    if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > kMaxNesting) {
        return true;
      }
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return false;
}

// What the fields alone cannot say: the settings the match carries within
// what the dialogs take, and a position that play can reach.
void checkTogether(const Game& g) {
  for (int p = 1; p <= 2; ++p) {
    if (!bounds::nameFits(g.PlayerName(p))) {
      fault("PlayerName." + std::to_string(p), "longer than a name can be");
    }
  }
  if (!bounds::isWinningPointsText(g.winningPointsText)) {
    fault("winningPointsText", "no winning points from " +
                                   std::to_string(bounds::kWinningPoints.lo) + " to " +
                                   std::to_string(bounds::kWinningPoints.hi));
  }
  if (const auto why = unreachablePosition(g)) {
    throw LoadFault(*why);
  }
  const auto& rows = g.frm_results.Grid1;
  if (g.frm_results.NewestRow < 0 ||
      (g.frm_results.NewestRow > 0 &&
       static_cast<std::size_t>(g.frm_results.NewestRow) >= rows.size())) {
    fault("frm_results.NewestRow", "no such row");
  }
  if (g.frm_results.Loaded && rows.empty()) {
    fault("frm_results.Grid1", "a loaded grid without its headings");
  }
  for (const DealBreakdown& b : g.frm_results.Breakdowns) {
    if (static_cast<std::size_t>(b.deal) >= rows.size()) {
      fault("frm_results.Breakdowns", "a breakdown of no row");
    }
  }
}

}  // namespace

std::string saveMatch(const Game& game) {
  Writer writer;
  writer.out["format"] = kSavedMatchFormat;
  writer.out["version"] = kSavedMatchVersion;
  matchFields(writer, game);
  // One field a line, so that two saved matches compare in a diff.
  std::string text = "{\n";
  for (auto it = writer.out.begin(); it != writer.out.end(); ++it) {
    text += json(it.key()).dump() + ":" +
            it.value().dump(-1, ' ', false, json::error_handler_t::replace);
    text += std::next(it) == writer.out.end() ? "\n" : ",\n";
  }
  return text + "}\n";
}

bool loadMatch(Game& game, std::string_view text, std::string* error) {
  try {
    // Text cut short (a full disk, a crash while writing) lacks the closing
    // brace, and a check of the syntax alone is cheaper than a failed parse.
    const auto end = text.find_last_not_of(" \t\r\n");
    if (end == std::string_view::npos || text[end] != '}' || nestsTooDeep(text) ||
        !json::accept(text)) {
      throw LoadFault("not JSON text");
    }
    const json doc = json::parse(text);
    checkHeader(doc);
    Game loaded(game);
    Reader reader(doc, "");
    matchFields(reader, loaded);
    checkTogether(loaded);
    game = std::move(loaded);
    return true;
  } catch (const json::exception&) {
    if (error != nullptr) {
      *error = "not JSON text";
    }
  } catch (const LoadFault& f) {
    if (error != nullptr) {
      *error = f.what();
    }
  } catch (const std::exception&) {  // no memory for it, say
    if (error != nullptr) {
      *error = "unreadable";
    }
  }
  return false;
}

bool matchUnplayed(const Game& g) {
  return g.RoundCount1 == 0 && g.TurnInHand == 0 && g.DealtCount <= 4 + 2 * g.HandSize &&
         g.ScoreTable(1) == 0 && g.ScoreTable(2) == 0;
}

}  // namespace qorza

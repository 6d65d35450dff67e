// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/flow/play_record.h"

#include <algorithm>
#include <stdexcept>

#include "game/game_state.h"
#include "game/numbers.h"

namespace qorza {

namespace {

bool sameFace(const CardFace& a, const CardFace& b) { return a.suit == b.suit && a.rank == b.rank; }

std::vector<CardFace> tableFaces(const Game& g) {
  std::vector<CardFace> faces;
  for (int i = 1; i <= 10; ++i) {
    if (g.game(i).Visible) {
      if (const auto face = faceOfPicture(g.game(i).Picture)) {
        faces.push_back(*face);
      }
    }
  }
  return faces;
}

bool contains(const std::vector<CardFace>& faces, const CardFace& face) {
  return std::any_of(faces.begin(), faces.end(),
                     [&](const CardFace& f) { return sameFace(f, face); });
}

// The stock as dealt: it stays the same through a deal and changes with the
// next shuffle.
std::vector<Picture> stockOf(const Game& g) {
  std::vector<Picture> stock;
  stock.reserve(kLibrarySize);
  for (const CardSlot& slot : g.card) {
    stock.push_back(slot.Picture);
  }
  return stock;
}

void checkPlayer(int player) {
  if (player != 1 && player != 2) {
    throw std::out_of_range("player " + std::to_string(player) + " outside 1..2");
  }
}

}  // namespace

void PlayLog::beforePlay(const Game& g, int player, int handPosition) {
  checkPlayer(player);
  before_ = Before{};
  before_.player = player;
  if (player == 1) {
    before_.played = faceOfPicture(g.Player1(handPosition).Picture);
  } else {
    for (int k = 1; k <= 6; ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      const auto face = faceOfPicture(g.Player02(k).Picture);
      before_.computerHand[i] = g.Player2(k).Visible && face.has_value();
      before_.computerFaces[i] = face.value_or(CardFace{});
    }
  }
  before_.table = tableFaces(g);
  before_.qorza = numberOf(g.txt_qorza(player).Text);
  before_.points = numberOf(g.TXT_POINT(player).Text);
}

void PlayLog::afterPlay(const Game& g) {
  const int player = before_.player;
  if (player == 0) {
    return;  // no play was announced
  }
  PlayRecord record;
  record.player = player;
  std::optional<CardFace> played = before_.played;
  if (player == 2) {
    for (int k = 1; k <= 6; ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      if (before_.computerHand[i] && !g.Player2(k).Visible) {
        played = before_.computerFaces[i];
      }
    }
  }
  before_.player = 0;
  if (!played) {
    return;  // nothing left the hand: no play
  }
  record.played = *played;
  const std::vector<CardFace> after = tableFaces(g);
  for (const CardFace& face : before_.table) {
    if (!contains(after, face)) {
      record.taken.push_back(face);
    }
  }
  record.qorzaWorth = numberOf(g.txt_qorza(player).Text) - before_.qorza;
  record.points = numberOf(g.TXT_POINT(player).Text) - before_.points;

  std::vector<Picture> stock = stockOf(g);
  if (stock != stock_) {
    plays_.clear();
    stock_ = std::move(stock);
  }
  plays_.push_back(record);
  last_[static_cast<std::size_t>(player - 1)] = std::move(record);
}

bool PlayLog::sameDeal(const Game& g) const { return !plays_.empty() && stockOf(g) == stock_; }

std::vector<PlayRecord> PlayLog::dealPlays(const Game& g) const {
  if (!sameDeal(g)) {
    return {};
  }
  return plays_;
}

const std::optional<PlayRecord>& PlayLog::lastPlay(int player) const {
  checkPlayer(player);
  return last_[static_cast<std::size_t>(player - 1)];
}

void PlayLog::clear() { *this = PlayLog{}; }

void PlayLog::takeBackTurn() {
  while (!plays_.empty() && plays_.back().player != 1) {
    plays_.pop_back();
  }
  if (!plays_.empty()) {
    plays_.pop_back();
  }
  for (int player = 1; player <= 2; ++player) {
    std::optional<PlayRecord>& last = last_[static_cast<std::size_t>(player - 1)];
    last.reset();
    for (const PlayRecord& record : plays_) {
      if (record.player == player) {
        last = record;
      }
    }
  }
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed, index-checked arrays of the table's slots and the game's lists.
// An index outside the declared range is a programming error and throws.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace qorza {

// Throws the out-of-range error for a bad slot index; kept out of line so the
// checked access stays small enough to inline.
[[noreturn, gnu::cold, gnu::noinline]] inline void throwSlotIndex(int i, int lo, int hi) {
  throw std::out_of_range("slot index " + std::to_string(i) + " outside " + std::to_string(lo) +
                          ".." + std::to_string(hi));
}

template <typename T, int Lo, int Hi>
class SlotArray {
  static_assert(Lo <= Hi, "empty slot range");

 public:
  static constexpr int first = Lo;
  static constexpr int last = Hi;

  T& operator()(int i) { return items_[offset(i)]; }
  const T& operator()(int i) const { return items_[offset(i)]; }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  void fill(const T& value) { items_.fill(value); }

 private:
  static std::size_t offset(int i) {
    if (i < Lo || i > Hi) [[unlikely]] {
      throwSlotIndex(i, Lo, Hi);
    }
    return static_cast<std::size_t>(i - Lo);
  }

  std::array<T, static_cast<std::size_t>(Hi - Lo + 1)> items_{};
};

}  // namespace qorza

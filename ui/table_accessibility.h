// SPDX-License-Identifier: GPL-3.0-or-later
// The table as screen readers see it: a pane whose children are the shown
// card slots, counters and names, each with its Arabic name, value and place;
// player 1's cards can be pressed.
#pragma once

namespace qorza {

// One thing the table shows, for screen readers: a card slot or a counter.
struct TableItem {
  enum Kind { Hand1, Hand2, Table, Points1, Points2, Qorza1, Qorza2, Counter, Name };
  Kind kind;
  int index;  // the slot's index; counters: 1..7 (see counterBox); names: the player
  bool operator==(const TableItem& o) const { return kind == o.kind && index == o.index; }
};

// Makes every table view known to screen readers as such a pane; once for
// the program, whoever calls it first.
void installTableAccessibility();

}  // namespace qorza

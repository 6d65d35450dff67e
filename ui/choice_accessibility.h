// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures the player chooses among by clicking (the card backs) as screen
// readers see them: option buttons whose press is the click.
#pragma once

class QLabel;
class QString;

namespace qorza {

// Marks a clickable picture as a choice named name; a screen reader's press
// sends it the click its window already handles.
void makeAccessibleChoice(QLabel* picture, const QString& name);
// Whether the choice is the one chosen now (its checked state).
void setChoiceChosen(QLabel* picture, bool chosen);

}  // namespace qorza

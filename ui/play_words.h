// SPDX-License-Identifier: GPL-3.0-or-later
// A play and the match score in words, for the status line, its history and
// screen readers. One function per text, so that each can be translated.
#pragma once

#include <QString>

#include "game/flow/play_record.h"

namespace qorza {

// How cards are written: short with the suit's sign ("7♥") for the eye, or
// in words ("سبعة كبة") for screen readers.
enum class CardWording { Signs, Words };

// A card, short or in words.
QString cardWords(const CardFace& face, CardWording wording);

// What one play did: "الحاسوب: 7♥ أكل 3♠ و4♦" with a Qorza and its worth and
// the points banked when there are any; "… 7♥ على الأرض" for a card that
// took nothing.
QString playWords(const PlayRecord& play, const QString& playerName, CardWording wording);

// The match score and the target: "اللاعب 45 : 38 الحاسوب - الهدف 101".
// Numbers are written with Western digits, as on the table's counters.
QString scoreWords(const QString& name1, double score1, const QString& name2, double score2,
                   double target);

// "No play yet" for the status line before the first play of a player.
QString noPlayYetWords(const QString& playerName);

// A name set apart, so that its letters, Latin or Arabic, never reorder the
// words around it on the screen.
QString isolatedName(const QString& name);
// The line laid out in the interface's direction, whatever letter it starts
// with (a Latin name would otherwise turn an Arabic line left to right).
QString inReadingDirection(const QString& line);

}  // namespace qorza

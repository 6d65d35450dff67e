// SPDX-License-Identifier: GPL-3.0-or-later
// Window tests: typing into a control key by key, as a keyboard would, with
// Arabic letters and Arabic-Indic digits too.
#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

namespace qorza::test {

// Types text into target one key press a character.
inline void typeText(QWidget* target, const QString& text) {
  for (const QChar c : text) {
    QTest::sendKeyEvent(QTest::KeyAction::Click, target, Qt::Key_unknown, QString(c),
                        Qt::NoModifier);
  }
}

}  // namespace qorza::test

// SPDX-License-Identifier: GPL-3.0-or-later
// Window tests: answering the next modal window from inside its own event
// loop, the way a player would.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace qorza::test {

// Runs answer on the next modal window once it is up. The poll gives up after
// five seconds, so a window that never opens leaves the test to fail on what
// it expected rather than answering some later window.
inline void answerModal(std::function<void(QWidget*)> answer) {
  auto* poll = new QTimer(qApp);
  auto started = std::make_shared<QElapsedTimer>();
  started->start();
  QObject::connect(poll, &QTimer::timeout, qApp, [poll, answer, started] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->deleteLater();
      answer(modal);
    } else if (started->elapsed() > 5000) {
      poll->deleteLater();
    }
  });
  poll->start(10);
}

}  // namespace qorza::test

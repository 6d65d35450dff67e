// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window: shown first at start, it hands over to the table window
// on its first timer tick once it has been painted; later it is the About
// box, closing itself after three seconds.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

class QEventLoop;

namespace qorza {

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  // handOff runs once, on the first timer tick after the first paint.
  explicit SplashWindow(std::function<void()> handOff, QWidget* parent = nullptr);

  // Start: show it; the tick after it has painted runs the hand-off, so the
  // table is built while the splash is already on the screen.
  void showAtStart();
  // The About command: shows it modally for about three seconds; input is
  // ignored meanwhile but the program keeps repainting.
  void showAbout();

  // How long the About box stays (3000 ms); tests shorten it.
  void setAboutDelayMs(int ms) { aboutDelayMs_ = ms; }

  // The start-up hand-off has run.
  bool welcomeShown() const { return WelcomeShown_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void buildLabels();
  void centreOnScreen();
  void onTick();
  void startTicking();

  std::function<void()> handOff_;
  QTimer Timer1_;
  bool WelcomeShown_ = false;
  bool tickAfterPaint_ = false;  // at start, until the first paint
  int aboutDelayMs_ = 3000;
  QEventLoop* aboutLoop_ = nullptr;  // set while the About box is up
};

}  // namespace qorza

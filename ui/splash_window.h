// The splash window: shown first at start, it hands over to the table window
// on its first timer tick; later it is the About box, closing itself after
// three seconds.
#pragma once

#include <QWidget>
#include <functional>

namespace qorza {

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  // handOff runs once, on the first timer tick after start.
  explicit SplashWindow(std::function<void()> handOff, QWidget* parent = nullptr);

  // Start: show it; its first tick runs the hand-off.
  void showAtStart();
  // The About command: shows it modally for about three seconds; input is
  // ignored meanwhile but the program keeps repainting.
  void showAbout();
};

}  // namespace qorza

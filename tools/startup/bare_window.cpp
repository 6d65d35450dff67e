// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: a bare Qt Widgets window, one
// right-to-left label, shown. With QORZA_QUIT_AFTER_FIRST_PAINT=1 it quits
// after its first paint and says when, as the game does.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <cstdio>

namespace {

class QuitAfterFirstPaint : public QObject {
 public:
  QElapsedTimer sinceStart;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
      qApp->removeEventFilter(this);
      QTimer::singleShot(0, qApp, [this] {
        std::printf("first paint after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QuitAfterFirstPaint quitter;
  quitter.sinceStart.start();
  QApplication app(argc, argv);
  if (qEnvironmentVariableIntValue("QORZA_QUIT_AFTER_FIRST_PAINT") == 1) {
    app.installEventFilter(&quitter);
  }
  QLabel label(QStringLiteral("نافذة"));
  label.setLayoutDirection(Qt::RightToLeft);
  label.show();
  return QApplication::exec();
}

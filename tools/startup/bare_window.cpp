// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: a bare Qt Widgets window, one
// right-to-left label, shown. With QORZA_QUIT_AFTER_FIRST_PAINT=1 it quits
// after its first paint, as the game does.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {

class QuitAfterFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
      qApp->removeEventFilter(this);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QuitAfterFirstPaint quitter;
  if (qEnvironmentVariableIntValue("QORZA_QUIT_AFTER_FIRST_PAINT") == 1) {
    app.installEventFilter(&quitter);
  }
  QLabel label(QStringLiteral("نافذة"));
  label.setLayoutDirection(Qt::RightToLeft);
  label.show();
  return QApplication::exec();
}

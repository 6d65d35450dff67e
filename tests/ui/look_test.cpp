// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows look and take the keyboard whatever the desktop: access-key
// underlines only while Alt is held (the keys still work), Tab into a group
// of options lands on the checked one, the focus shows, and a dark desktop
// palette leaves every window in its own colours; the window's icon is the
// packaged one.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QtTest>
#include <memory>

#include "game/game_state.h"
#include "tests/support/fake_platform.h"
#include "ui/fonts.h"
#include "ui/game_style.h"
#include "ui/help_window.h"
#include "ui/new_game_dialog.h"
#include "ui/resources.h"
#include "ui/results_window.h"
#include "ui/splash_window.h"
#include "ui/sub_option_dialog.h"

using namespace qorza;

class LookTest : public QObject {
  Q_OBJECT

 private:
  testing::FakePlatform platform;
  std::unique_ptr<Game> game;

  static bool underlined() {
    QStyleOption option;
    return QApplication::style()->styleHint(QStyle::SH_UnderlineShortcut, &option) != 0;
  }

  // The colour a window paints its background with, near its lower left corner.
  static QColor background(QWidget* window) {
    window->show();
    return window->grab().toImage().pixelColor(2, window->height() - 3);
  }

 private slots:
  void initTestCase() {
    configureApplication(*static_cast<QApplication*>(qApp));
    loadResources();
  }
  void init() { game = std::make_unique<Game>(platform); }
  void cleanup() { game.reset(); }

  void accessKeysWorkButShowTheirUnderlineOnlyWhileAltIsHeld() {
    NewGameDialog d(*game);
    d.show();
    QApplication::setActiveWindow(&d);
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QVERIFY(!underlined());
    QTest::keyPress(&d, Qt::Key_Alt, Qt::AltModifier);
    QVERIFY(underlined());
    QTest::keyRelease(&d, Qt::Key_Alt);
    QVERIFY(!underlined());
    // Alt and the first letter of "موافق" still press OK (after its short
    // pressed-down look).
    const QChar meem(0x0645);
    QTest::sendKeyEvent(QTest::Click, &d, static_cast<Qt::Key>(meem.unicode()), QString(meem),
                        Qt::AltModifier);
    QTRY_COMPARE(d.result(), int(QDialog::Accepted));
  }

  void tabLandsOnTheCheckedOptionOfEachGroup() {
    game->HandSize = 4;
    game->SkillLevel = 3;
    NewGameDialog d(*game);
    d.presetFromGame();
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.nameBox()->setFocus();
    QList<QWidget*> visited;
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget();
    }
    QCOMPARE(visited, QList<QWidget*>(
                          {d.normalOption(), d.fourCardsOption(), d.levelOption(3), d.okButton()}));
    // The arrows still move within a group, and Tab then follows the choice.
    d.levelOption(3)->setFocus();
    QTest::keyClick(d.levelOption(3), Qt::Key_Up);
    QVERIFY(d.levelOption(2)->isChecked());
    d.nameBox()->setFocus();
    QTest::keyClick(d.nameBox(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.levelOption(2));

    // The further options' levels too.
    SubOptionDialog options(*game);
    options.show();
    QApplication::setActiveWindow(&options);
    QVERIFY(QTest::qWaitForWindowActive(&options));
    options.findChild<QRadioButton*>("Option1_3")->setChecked(true);
    options.findChild<QLineEdit*>("TXT_NAME_2")->setFocus();
    QWidget* next = options.findChild<QLineEdit*>("TXT_NAME_2");
    for (int i = 0; i < 20 && qobject_cast<QRadioButton*>(next) == nullptr; ++i) {
      QTest::keyClick(next, Qt::Key_Tab);
      QVERIFY(QApplication::focusWidget() != next);
      next = QApplication::focusWidget();
    }
    QCOMPARE(next->objectName(), QStringLiteral("Option1_3"));
  }

  // Each control that Tab or a click can focus looks different with the focus.
  static void verifyFocusMarks(QDialog& d) {
    d.show();
    QApplication::setActiveWindow(&d);
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto* elsewhere = new QPushButton(&d);
    elsewhere->setGeometry(0, 0, 1, 1);
    elsewhere->show();
    for (QWidget* w : d.findChildren<QWidget*>()) {
      if (w == elsewhere || w->focusPolicy() == Qt::NoFocus || !w->isVisible() ||
          w->focusProxy() != nullptr) {
        continue;
      }
      // A combo box's text field shows the focus on the whole box.
      QWidget* shown = w->parentWidget()->focusProxy() == w ? w->parentWidget() : w;
      elsewhere->setFocus(Qt::MouseFocusReason);
      const QImage plain = shown->grab().toImage();
      w->setFocus(Qt::MouseFocusReason);
      QVERIFY2(w->hasFocus() && shown->grab().toImage() != plain, qPrintable(shown->objectName()));
    }
  }

  void everyControlShowsTheFocus() {
    NewGameDialog newGame(*game);
    verifyFocusMarks(newGame);
    SubOptionDialog options(*game);
    verifyFocusMarks(options);
  }

  void everyWindowKeepsItsOwnColoursUnderADarkPalette() {
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(230, 230, 230), QColor(30, 30, 30));
    QApplication::setPalette(dark);
    {
      SubOptionDialog options(*game);
      QCOMPARE(background(&options), kDialogFace);
      const auto* label = options.findChild<QLabel*>("Label2");
      QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
      NewGameDialog newGame(*game);
      QCOMPARE(background(&newGame), kDialogFace);
      ResultsWindow results;
      QCOMPARE(background(&results), QColor(212, 208, 200));
      HelpWindow help;
      QCOMPARE(background(&help), QColor(Qt::black));
      const auto* ok = help.findChild<QPushButton*>("Command1");
      QCOMPARE(ok->palette().color(QPalette::ButtonText), QColor(Qt::black));
      SplashWindow splash([] {});
      QCOMPARE(background(&splash), QColor(0, 0, 255));
    }
    QApplication::setPalette(light);
  }

  // The window's icon is drawn beforehand; each picture must still be what
  // the packaged SVG gives at its size.
  void theDrawnIconsMatchThePackagedOne() {
    const QIcon packaged(QStringLiteral(QORZA_SOURCE_DIR "/packaging/io.github.qorza.qorza.svg"));
    for (const int side : {16, 32, 64, 128}) {
      const QImage drawn(QStringLiteral(QORZA_SOURCE_DIR "/assets/icon/qorza-%1.png").arg(side));
      const QImage fresh = packaged.pixmap(QSize(side, side), 1.0).toImage();
      QCOMPARE(drawn.convertToFormat(QImage::Format_ARGB32),
               fresh.convertToFormat(QImage::Format_ARGB32));
    }
  }
};

QTEST_MAIN(LookTest)
#include "look_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The windows worked from the keyboard alone: every control of the further
// options reached by Tab and worked by keys, with the focus mark seen; the
// menu bar lit after Alt; the statistics window's focus where Enter is safe.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "game/bounds.h"
#include "game/game_state.h"
#include "tests/support/answer_modal.h"
#include "ui/back_picture.h"
#include "ui/fonts.h"
#include "ui/name_box.h"
#include "ui/qt_platform.h"
#include "ui/resources.h"
#include "ui/statistics_window.h"
#include "ui/sub_option_dialog.h"
#include "ui/table_window.h"

using namespace qorza;

namespace {

// How many pixels of a widget's picture differ between two states.
int changedPixels(const QImage& a, const QImage& b) {
  int changed = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      changed += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
  }
  return changed;
}

QImage picture(QWidget* w) { return w->grab().toImage(); }

// A part of a widget's picture, given in the widget's own pixels.
QImage part(QWidget* w, const QRect& r) {
  const qreal ratio = w->devicePixelRatioF();
  return picture(w).copy(QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio).toRect());
}

QString focusName() {
  const QWidget* w = QApplication::focusWidget();
  return w != nullptr ? w->objectName() : QString();
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QtPlatform> platform;
  std::unique_ptr<Game> game;

  static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  }

 private slots:
  void initTestCase() {
    configureApplication(*static_cast<QApplication*>(qApp));
    loadResources();
  }
  void init() {
    platform = std::make_unique<QtPlatform>();
    game = std::make_unique<Game>(*platform);
    applyStartupDefaults(*game);
  }
  void cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
      QCoreApplication::processEvents();
    }
    game.reset();
    platform.reset();
  }

  // Tab runs from the backs to the speed bar and on; the arrows choose a
  // back and move the bar, each showing the focus mark.
  void furtherOptionsWorkByKeys() {
    SubOptionDialog d(*game);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.activateWindow();
    auto* first = d.findChild<BackPicture*>("Image1_1");
    auto* speed = d.findChild<QScrollBar*>("HS_SPEED");
    d.findChild<QPushButton*>("CMD_OK")->setFocus();
    const QImage backBefore = picture(first);
    const QImage speedBefore = picture(speed);

    QStringList reached;
    for (int i = 0; i < 8; ++i) {
      press(Qt::Key_Tab);
      reached << focusName();
    }
    QVERIFY2(reached.contains("Image1_1") && reached.contains("HS_SPEED"),
             qPrintable(reached.join(' ')));
    QCOMPARE(reached.indexOf("HS_SPEED"), reached.indexOf("Image1_1") + 1);

    // The back that has the focus is marked; the arrows choose by moving.
    first->setFocus(Qt::TabFocusReason);
    QVERIFY(changedPixels(backBefore, picture(first)) > 0);
    press(Qt::Key_Left);  // right to left: the next back is at the left
    QCOMPARE(focusName(), QStringLiteral("Image1_2"));
    press(Qt::Key_Down);
    QCOMPARE(focusName(), QStringLiteral("Image1_11"));
    press(Qt::Key_Right);
    QCOMPARE(focusName(), QStringLiteral("Image1_7"));
    press(Qt::Key_Right);  // past the row's end: the end of the row above
    QCOMPARE(focusName(), QStringLiteral("Image1_3"));
    d.findChild<QPushButton*>("CMD_OK")->click();
    QCOMPARE(game->chosenBack, Picture("back-3"));

    // Tab reaches the backs on the chosen one now; the bar takes the keys.
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    speed->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Backtab);
    QCOMPARE(focusName(), QStringLiteral("Image1_3"));
    speed->setFocus(Qt::TabFocusReason);
    QVERIFY(changedPixels(speedBefore, picture(speed)) > 0);
    const int delay = 1500;
    speed->setValue(delay);
    press(Qt::Key_Left);  // towards the slow end, at the left
    QCOMPARE(speed->value(), delay + speed->singleStep());
    press(Qt::Key_PageUp);
    QCOMPARE(speed->value(), delay + speed->singleStep() - speed->pageStep());
    press(Qt::Key_PageDown);
    press(Qt::Key_PageDown);
    QCOMPARE(speed->value(), delay + speed->singleStep() + speed->pageStep());
  }

  // The name boxes keep to the length the files hold; an OK with a name of
  // spaces only is refused there, the box marked and given the focus.
  void furtherOptionsRefuseABlankName() {
    SubOptionDialog d(*game);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.activateWindow();
    auto* second = d.findChild<NameBox*>("TXT_NAME_2");
    QCOMPARE(second->maxLength(), bounds::kMaxNameLength);
    QCOMPARE(d.findChild<NameBox*>("TXT_NAME_1")->maxLength(), bounds::kMaxNameLength);
    second->setText(QStringLiteral("   "));
    d.findChild<QPushButton*>("CMD_OK")->click();
    QVERIFY(d.isVisible());
    QVERIFY(second->marked());
    QCOMPARE(focusName(), QStringLiteral("TXT_NAME_2"));
    QCOMPARE(game->PlayerName(2), std::string(kDefaultPlayer2Name));
    second->setText(QStringLiteral("سعيد"));
    d.findChild<QPushButton*>("CMD_OK")->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(game->PlayerName(2), std::string("سعيد"));
  }

  // A winning-points box left without a target shows the last one at once,
  // wherever the click that leaves it lands.
  void targetLeftEmptyShowsTheLastOne() {
    SubOptionDialog d(*game);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.activateWindow();
    auto* combo = d.findChild<QComboBox*>("Combo1");
    for (QWidget* elsewhere :
         {static_cast<QWidget*>(d.findChild<BackPicture*>("Image1_5")),
          static_cast<QWidget*>(d.findChild<QScrollBar*>("HS_SPEED")), static_cast<QWidget*>(&d)}) {
      for (const char* left : {"0", ""}) {
        combo->setFocus();
        combo->lineEdit()->setText(QString::fromLatin1(left));
        QTest::mouseClick(elsewhere, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(combo->currentText(), QStringLiteral("101"));
      }
    }
  }

  // Alt gives the menu bar the keyboard and lights its first menu; Enter
  // opens it.
  void altLightsTheMenuBar() {
    game->Activated = true;  // no new-game dialog
    TableWindow window(*game, *platform, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QMenuBar* bar = window.menuBar();
    const QRect first = bar->actionGeometry(bar->actions().first());
    const QImage before = part(bar, first);
    QTest::keyPress(&window, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(&window, Qt::Key_Alt);
    QTRY_VERIFY(bar->hasFocus());
    QCOMPARE(bar->activeAction(), bar->actions().first());
    QVERIFY(changedPixels(before, part(bar, first)) > before.width() * before.height() / 3);
    QTest::keyClick(bar, Qt::Key_Escape);
  }

  // The statistics window opens on its OK, and a declined reset brings the
  // focus back there: Enter then closes the window instead of asking again.
  void statisticsFocusStaysWhereEnterIsSafe() {
    Statistics statistics;
    statistics[VariantKey{52, 6, 2}].matchesPlayed = 3;
    int resets = 0;
    StatisticsWindow w(statistics, [&] { ++resets; });
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    QTRY_COMPARE(focusName(), QStringLiteral("OK"));
    int asked = 0;
    test::answerModal([&](QWidget* box) {
      ++asked;
      qobject_cast<QMessageBox*>(box)->button(QMessageBox::No)->click();
    });
    w.resetButton()->setFocus();
    press(Qt::Key_Space);
    QCOMPARE(asked, 1);
    QCOMPARE(w.focusWidget()->objectName(), QStringLiteral("OK"));
    QTest::keyClick(w.focusWidget(), Qt::Key_Return);
    QVERIFY(!w.isVisible());
    QCOMPARE(asked, 1);
    QCOMPARE(resets, 0);
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The further-options dialog, the splash / About window and the help window,
// driven as a person would: clicks, typing, the close box, modal showings.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "game/game_state.h"
#include "scoring/deal_scoring.h"
#include "tests/support/type_text.h"
#include "ui/fonts.h"
#include "ui/help_window.h"
#include "ui/resources.h"
#include "ui/splash_window.h"
#include "ui/sub_option_dialog.h"

namespace qorza {
namespace {

using test::typeText;

// Only what the dialogs reach.
class DialogPlatform : public Platform {
 public:
  void doEvents() override {}
  void sleepMs(int) override {}
  void playSound(const std::string&) override {}
  bool runNewGameDialog(Game&) override { return false; }
  void showResults(Game&) override {}
};

// Runs action on the modal window once it is up. Should the action leave
// that window open, it is closed five seconds later so that no test hangs.
void whenModal(std::function<void(QWidget*)> action) {
  auto* poll = new QTimer(qApp);
  auto* started = new QElapsedTimer;
  started->start();
  QObject::connect(poll, &QTimer::timeout, qApp, [poll, started, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible()) {
      poll->deleteLater();
      delete started;
      action(modal);
      QTimer::singleShot(5000, modal, [modal] {
        if (modal->isVisible() && QApplication::activeModalWidget() == modal) {
          modal->close();
        }
      });
    } else if (started->elapsed() > 5000) {
      poll->deleteLater();
      delete started;
    }
  });
  poll->start(10);
}

template <typename T>
T* child(QWidget* parent, const QString& name) {
  T* found = parent->findChild<T*>(name);
  if (found == nullptr) {
    qFatal("no child %s", qPrintable(name));
  }
  return found;
}

// The text a control shows, if any.
QString shownText(const QWidget* widget) {
  if (const auto* l = qobject_cast<const QLabel*>(widget)) return l->text();
  if (const auto* b = qobject_cast<const QAbstractButton*>(widget)) return b->text();
  if (const auto* e = qobject_cast<const QLineEdit*>(widget)) return e->text();
  if (const auto* g = qobject_cast<const QGroupBox*>(widget)) return g->title();
  return {};
}

// A control shows its whole text when it is as wide as it asks to be, tall
// enough for the letters of its text (Arabic faces keep much empty room
// above and below them) and inside its parent.
bool showsAllOf(QWidget* widget) {
  const QRect inside = widget->parentWidget()->rect();
  const int letters = widget->fontMetrics().tightBoundingRect(shownText(widget)).height();
  return widget->width() >= widget->sizeHint().width() && widget->height() >= letters &&
         inside.contains(widget->geometry());
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    configureApplication(*static_cast<QApplication*>(qApp));
    loadResources();
  }
  void init();
  void cleanup();

  void furtherOptionsShowsItsControls();
  void okAppliesNamesLastBackAndSpeed();
  void closeBoxAppliesNothingAndKeepsValues();
  void typedTargetIsWhatTheScoringReads();
  void targetTakesDigitsOfEveryScriptOnly();
  void emptiedTargetGetsTheLastOneBack();
  void nameBoxSelectsAllOnFocus();
  void startHandsOffOnce();
  void startWaitsForTheSplashPaint();
  void aboutClosesItselfAndLeavesTheGameAlone();
  void aboutStaysThreeSecondsByDefault();
  void helpShowsTheSameTextsAgain();

 private:
  // The winning points the game holds, as the scoring reads them.
  QString target() const { return QString::fromStdString(game->winningPointsText); }

  DialogPlatform platform;
  std::unique_ptr<Game> game;
  std::unique_ptr<SubOptionDialog> dialog;
};

void DialogsTest::init() {
  game = std::make_unique<Game>(platform);
  dialog = std::make_unique<SubOptionDialog>(*game);
}

void DialogsTest::cleanup() {
  // A test that failed half way may leave a modal window up.
  while (QWidget* modal = QApplication::activeModalWidget()) {
    modal->close();
    QApplication::processEvents();
  }
  dialog.reset();
  game.reset();
}

void DialogsTest::furtherOptionsShowsItsControls() {
  SubOptionDialog& d = *dialog;
  QCOMPARE(d.layoutDirection(), Qt::RightToLeft);

  // The eight backs, the top row's first design at the right end.
  for (int k : kBackIndexes) {
    QVERIFY(!child<QLabel>(&d, QStringLiteral("Image1_%1").arg(k))->pixmap().isNull());
  }
  QVERIFY(child<QLabel>(&d, "Image1_1")->x() > child<QLabel>(&d, "Image1_3")->x());

  auto* speed = child<QScrollBar>(&d, "HS_SPEED");
  QCOMPARE(speed->minimum(), 0);
  QCOMPARE(speed->maximum(), 3000);
  QCOMPARE(speed->singleStep(), 100);
  QCOMPARE(speed->pageStep(), 1000);
  QCOMPARE(speed->layoutDirection(), Qt::RightToLeft);
  QCOMPARE(speed->value(), 300);
  auto* seconds = child<QLabel>(&d, "LBL_TIME");
  QCOMPARE(seconds->text(), QStringLiteral("0.3"));
  speed->setValue(0);
  QCOMPARE(seconds->text(), QStringLiteral("0"));
  speed->setValue(1500);
  QCOMPARE(seconds->text(), QStringLiteral("1.5"));
  speed->setValue(3000);
  QCOMPARE(seconds->text(), QStringLiteral("3"));
  QCOMPARE(seconds->palette().color(QPalette::WindowText), QColor(255, 0, 0));

  // Fast at the right end, where the scroll bar's value is 0.
  QVERIFY(child<QLabel>(&d, "Label3_0")->x() > child<QLabel>(&d, "Label3_1")->x());

  auto* target = child<QComboBox>(&d, "Combo1");
  QVERIFY(target->isEditable());
  QCOMPARE(target->currentText(), QStringLiteral("101"));
  QStringList points;
  for (int i = 0; i < target->count(); ++i) {
    points << target->itemText(i);
  }
  QCOMPARE(points, QStringList({"51", "101", "201", "301", "401", "501", "601"}));
  QCOMPARE(target->palette().color(QPalette::Base), QColor(255, 255, 0));

  QVERIFY(child<QPushButton>(&d, "CMD_OK")->isDefault());

  for (const char* name :
       {"Label2",   "Label3_0",   "Label3_1",   "Label3_2",  "Label3_3",  "LBL_TIME",  "Label1_0",
        "Label1_1", "TXT_NAME_1", "TXT_NAME_2", "Option1_1", "Option1_2", "Option1_3", "Combo1",
        "Frame1",   "Frame2",     "Frame3",     "Frame4",    "Frame5",    "CMD_OK"}) {
    QVERIFY2(showsAllOf(child<QWidget>(&d, name)), name);
  }
}

void DialogsTest::okAppliesNamesLastBackAndSpeed() {
  game->HandSize = 4;
  QSignalSpy applied(dialog.get(), &SubOptionDialog::applied);
  int levelBeforeOk = 0;
  whenModal([&](QWidget* modal) {
    QLineEdit* name = child<QLineEdit>(modal, "TXT_NAME_2");
    name->selectAll();
    name->insert(QStringLiteral("سعيد"));  // typed over the selection
    QTest::mouseClick(child<QLabel>(modal, "Image1_4"), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>(modal, "Image1_8"), Qt::LeftButton);
    child<QScrollBar>(modal, "HS_SPEED")->setValue(2900);
    QTest::mouseClick(child<QRadioButton>(modal, "Option1_3"), Qt::LeftButton);
    levelBeforeOk = game->SkillLevel;
    QTest::mouseClick(child<QPushButton>(modal, "CMD_OK"), Qt::LeftButton);
  });
  dialog->openModal();

  QCOMPARE(levelBeforeOk, 3);
  QVERIFY(!dialog->isVisible());
  QCOMPARE(applied.count(), 1);
  QCOMPARE(child<QLabel>(dialog.get(), "LBL_TIME")->text(), QStringLiteral("2.9"));
  QCOMPARE(game->DelayMs, 2900);
  QCOMPARE(game->PlayerName(1), std::string(kDefaultPlayer1Name));
  QCOMPARE(game->PlayerName(2), std::string("سعيد"));
  QCOMPARE(game->lbl_n_player(2).Caption, std::string("(PC)  سعيد"));
  QCOMPARE(game->STANSARD.Picture, Picture("back-7"));
  QCOMPARE(game->img_latch(2).Picture, Picture("back-7"));
  QCOMPARE(game->Player2(4).Picture, Picture("back-7"));
  QCOMPARE(game->chosenBack, Picture("back-7"));

  // Opened again, the dialog shows the level the game has now.
  game->SkillLevel = 1;
  bool levelShown = false;
  whenModal([&](QWidget* modal) {
    levelShown = child<QRadioButton>(modal, "Option1_1")->isChecked();
    QTest::mouseClick(child<QPushButton>(modal, "CMD_OK"), Qt::LeftButton);
  });
  dialog->openModal();
  QVERIFY(levelShown);
  QCOMPARE(game->DelayMs, 2900);
}

void DialogsTest::closeBoxAppliesNothingAndKeepsValues() {
  game->DelayMs = 300;
  whenModal([&](QWidget* modal) {
    QTest::keyClicks(child<QLineEdit>(modal, "TXT_NAME_1"), QStringLiteral("x"));
    QTest::mouseClick(child<QLabel>(modal, "Image1_5"), Qt::LeftButton);
    child<QScrollBar>(modal, "HS_SPEED")->setValue(0);
    child<QComboBox>(modal, "Combo1")->setEditText(QStringLiteral("301"));
    modal->close();
  });
  dialog->openModal();

  QVERIFY(!dialog->isVisible());
  QCOMPARE(game->PlayerName(1), std::string(kDefaultPlayer1Name));
  QCOMPARE(game->DelayMs, 300);
  QCOMPARE(game->STANSARD.Picture, kDeckBack);
  QCOMPARE(game->chosenBack, kDeckBack);
  QCOMPARE(game->winningPointsText, std::string("301"));
  QCOMPARE(child<QScrollBar>(dialog.get(), "HS_SPEED")->value(), 0);
  QCOMPARE(child<QLabel>(dialog.get(), "LBL_TIME")->text(), QStringLiteral("0"));

  // The next OK applies what the dialog still shows.
  whenModal([](QWidget* modal) {
    QTest::mouseClick(child<QPushButton>(modal, "CMD_OK"), Qt::LeftButton);
  });
  dialog->openModal();
  QCOMPARE(game->DelayMs, 0);
  QCOMPARE(game->STANSARD.Picture, Picture("back-5"));
  QCOMPARE(target(), QStringLiteral("301"));
}

void DialogsTest::typedTargetIsWhatTheScoringReads() {
  whenModal([](QWidget* modal) {
    QLineEdit* edit = child<QComboBox>(modal, "Combo1")->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("250"));
    QTest::mouseClick(child<QPushButton>(modal, "CMD_OK"), Qt::LeftButton);
  });
  dialog->openModal();
  QCOMPARE(target(), QStringLiteral("250"));
  QCOMPARE(matchTarget(*game), 250.0);
  QCOMPARE(child<QComboBox>(dialog.get(), "Combo1")->count(), 7);  // typing adds no item
}

void DialogsTest::targetTakesDigitsOfEveryScriptOnly() {
  QStringList shown;
  whenModal([&](QWidget* modal) {
    QLineEdit* edit = child<QComboBox>(modal, "Combo1")->lineEdit();
    const auto typeOver = [&](const QString& keys) {
      edit->selectAll();
      typeText(edit, keys);
      shown << edit->text() + QLatin1Char('=') + target();
    };
    typeOver(QStringLiteral("٢٠٠"));           // Arabic-Indic
    typeOver(QStringLiteral("۳۵۰"));           // Extended Arabic-Indic
    typeOver(QStringLiteral("1٢۳"));           // one of each
    typeText(edit, QStringLiteral("-5 x.٫"));  // nothing of it is taken
    shown << edit->text();
    typeOver(QStringLiteral("abc"));  // refused: the selection stays
    modal->close();                   // the target needs no OK
  });
  dialog->openModal();
  QCOMPARE(shown, QStringList({QStringLiteral("٢٠٠=200"), QStringLiteral("۳۵۰=350"),
                               QStringLiteral("1٢۳=123"), QStringLiteral("1٢۳5"),
                               QStringLiteral("1٢۳5=1235")}));
  QCOMPARE(matchTarget(*game), 1235.0);
}

void DialogsTest::emptiedTargetGetsTheLastOneBack() {
  QStringList shown;
  whenModal([&](QWidget* modal) {
    QLineEdit* edit = child<QComboBox>(modal, "Combo1")->lineEdit();
    edit->setFocus();
    edit->selectAll();
    typeText(edit, QStringLiteral("٢٥٠"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    shown << edit->text() + QLatin1Char('=') + target();
    // The focus moves on: the box shows the last target again.
    child<QLineEdit>(modal, "TXT_NAME_1")->setFocus();
    shown << edit->text();
    // A zero is no target either, whichever way the dialog is left.
    edit->setFocus();
    edit->selectAll();
    typeText(edit, QStringLiteral("00"));
    shown << edit->text() + QLatin1Char('=') + target();
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  dialog->openModal();
  QCOMPARE(shown,
           QStringList({QStringLiteral("=250"), QStringLiteral("٢٥٠"), QStringLiteral("00=250")}));
  QCOMPARE(child<QComboBox>(dialog.get(), "Combo1")->currentText(), QStringLiteral("٢٥٠"));
  QCOMPARE(matchTarget(*game), 250.0);

  // Emptied, then OK.
  whenModal([](QWidget* modal) {
    child<QComboBox>(modal, "Combo1")->lineEdit()->clear();
    QTest::mouseClick(child<QPushButton>(modal, "CMD_OK"), Qt::LeftButton);
  });
  dialog->openModal();
  QCOMPARE(child<QComboBox>(dialog.get(), "Combo1")->currentText(), QStringLiteral("٢٥٠"));
  QCOMPARE(target(), QStringLiteral("250"));
}

void DialogsTest::nameBoxSelectsAllOnFocus() {
  dialog->show();
  QLineEdit* name = child<QLineEdit>(dialog.get(), "TXT_NAME_1");
  QTest::mouseClick(name, Qt::LeftButton);
  QTRY_COMPARE(name->selectedText(), QString::fromUtf8(kDefaultPlayer1Name));
  dialog->hide();
}

void DialogsTest::startHandsOffOnce() {
  int handOffs = 0;
  SplashWindow splash([&] { ++handOffs; });
  QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);

  splash.showAtStart();
  QVERIFY(splash.isVisible());
  QTRY_COMPARE(handOffs, 1);
  QVERIFY(splash.welcomeShown());
  QTest::qWait(50);
  QCOMPARE(handOffs, 1);
  splash.close();  // what the new-game dialog does
  QVERIFY(!splash.isVisible());
}

void DialogsTest::startWaitsForTheSplashPaint() {
  int handOffs = 0;
  SplashWindow splash([&] { ++handOffs; });
  splash.setUpdatesEnabled(false);  // as if not yet drawn on the screen
  splash.showAtStart();
  QTest::qWait(200);
  QCOMPARE(handOffs, 0);
  QTRY_COMPARE(handOffs, 1);  // but not for ever
  splash.close();
}

void DialogsTest::aboutClosesItselfAndLeavesTheGameAlone() {
  game->DelayMs = 1200;
  game->CardImgNext1 = 4;
  game->SkillLevel = 3;
  game->STANSARD.Picture = "back-6";
  game->PlayerName(1) = "هالة";
  int handOffs = 0;
  SplashWindow about([&] {
    ++handOffs;
    applyStartupDefaults(*game);
  });
  about.setAboutDelayMs(400);

  int ticks = 0;  // the program goes on meanwhile
  QTimer other;
  connect(&other, &QTimer::timeout, [&] { ++ticks; });
  other.start(20);
  bool modalWhileShown = false;
  whenModal([&](QWidget* modal) {
    modalWhileShown = modal == &about;
    modal->close();  // ignored: the box closes itself, on time
  });
  QElapsedTimer clock;
  clock.start();
  about.showAbout();
  const qint64 shown = clock.elapsed();

  QVERIFY(modalWhileShown);
  QVERIFY2(shown >= 390 && shown < 2500, qPrintable(QString::number(shown)));
  QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
  QVERIFY(!about.isVisible());
  QCOMPARE(handOffs, 0);
  QCOMPARE(game->DelayMs, 1200);
  QCOMPARE(game->CardImgNext1, 4);
  QCOMPARE(game->SkillLevel, 3);
  QCOMPARE(game->STANSARD.Picture, Picture("back-6"));
  QCOMPARE(game->PlayerName(1), std::string("هالة"));
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void DialogsTest::aboutStaysThreeSecondsByDefault() {
  SplashWindow about([] {});
  QElapsedTimer clock;
  clock.start();
  about.showAbout();
  QVERIFY2(clock.elapsed() >= 2990 && clock.elapsed() < 4500,
           qPrintable(QString::number(clock.elapsed())));
}

void DialogsTest::helpShowsTheSameTextsAgain() {
  HelpWindow help;

  auto texts = [&help] {
    QStringList all;
    for (int i = 0; i < HelpWindow::kPieces; ++i) {
      all << child<QLineEdit>(&help, QStringLiteral("Text2_%1").arg(i))->text();
    }
    return all;
  };
  QList<QStringList> seen;
  for (int showing = 0; showing < 2; ++showing) {
    whenModal([&](QWidget* modal) {
      seen << texts();
      QTest::mouseClick(child<QPushButton>(modal, "Command1"), Qt::LeftButton);
    });
    help.showModal();
    QVERIFY(!help.isVisible());
  }
  QCOMPARE(seen.size(), 2);
  QCOMPARE(seen[1], seen[0]);
  QVERIFY(!seen[0].contains(QString()));

  // Every piece whole, inside the window, its right edge where it belongs
  // (the widest line is pulled in to the window's edge).
  for (int i = 0; i < HelpWindow::kPieces; ++i) {
    auto* box = child<QLineEdit>(&help, QStringLiteral("Text2_%1").arg(i));
    const int needed = QFontMetrics(box->font()).horizontalAdvance(box->text());
    QVERIFY2(box->width() > needed, qPrintable(QString::number(i)));
    QVERIFY2(help.rect().contains(box->geometry()), qPrintable(QString::number(i)));
    QVERIFY(box->isReadOnly());
  }
  QCOMPARE(child<QLineEdit>(&help, "Text2_18")->geometry().right() + 1, (5760 + 960) / 15);
}

}  // namespace qorza

QTEST_MAIN(qorza::DialogsTest)
#include "dialogs_test.moc"

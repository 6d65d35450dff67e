// SPDX-License-Identifier: GPL-3.0-or-later
// The table window on the offscreen platform: exit confirmation, keyboard and
// mouse play on the real window, the menu during a turn, the sound item, the
// minimised caption, the first activation and the twips layout.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <functional>
#include <memory>

#include "game/flow/deal.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "tests/support/answer_modal.h"
#include "ui/card_art.h"
#include "ui/fonts.h"
#include "ui/new_game_dialog.h"
#include "ui/play_history_window.h"
#include "ui/qt_platform.h"
#include "ui/resources.h"
#include "ui/sound_player.h"
#include "ui/status_line.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

using namespace qorza;

namespace {

using qorza::test::answerModal;

void closeStrayModals() {
  while (QWidget* modal = QApplication::activeModalWidget()) {
    modal->close();
    QCoreApplication::processEvents();
  }
}

void clickButton(QWidget* box, QMessageBox::StandardButton which) {
  auto* message = qobject_cast<QMessageBox*>(box);
  QVERIFY(message != nullptr);
  message->button(which)->click();
}

// Library index of a card, by suit row and rank.
int lib(Suit suit, int rank) { return libraryIndex(suit, rank); }

}  // namespace

class TableWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QtPlatform> platform;
  std::unique_ptr<Game> game;
  std::unique_ptr<TableWindow> window;
  int endCalls = 0;

  // A window whose first activation has already happened, on a dealt table
  // of known cards: player 1 holds spades A..6 (six cards) or A..4.
  void openDealtWindow(bool sixCards, bool homsi = false) {
    game->Activated = true;
    window = std::make_unique<TableWindow>(*game, *platform);
    window->endProgram = [this] {
      ++endCalls;
      platform->setEnding();
    };
    window->abandonStart = window->endProgram;
    applyNewGameOptions(*game, NewGameChoice{homsi, sixCards, "Tester"});
    game->DelayMs = 0;
    std::vector<int> deck;
    // Table: hearts 7 8 9 10; player 1: spades 1..6; the rest in order.
    for (int r : {7, 8, 9, 10}) deck.push_back(lib(Suit::Hearts, r));
    for (int r = 1; r <= 6; ++r) deck.push_back(lib(Suit::Spades, r));
    for (int i = 1; i <= 52; ++i) {
      if (std::find(deck.begin(), deck.end(), i) == deck.end()) deck.push_back(i);
    }
    game->presetDeck = deck;
    mnu_new_Click(*game);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }

  std::string tableSnapshot() const {
    std::string s;
    for (int i = 1; i <= 10; ++i) s += game->game(i).Visible ? game->game(i).Picture + " " : "- ";
    return s;
  }

  int shownHandCards() const {
    int n = 0;
    for (int k = 1; k <= 6; ++k) n += game->Player1(k).Visible ? 1 : 0;
    return n;
  }

 private slots:
  void init() {
    platform = std::make_unique<QtPlatform>();
    game = std::make_unique<Game>(*platform);
    endCalls = 0;
  }

  void cleanup() {
    closeStrayModals();
    window.reset();
    game.reset();
    platform.reset();
  }

  void exitConfirmationNoKeepsTheWindow() {
    openDealtWindow(true);
    QString text, title;
    answerModal([&](QWidget* box) {
      text = qobject_cast<QMessageBox*>(box)->text();
      title = box->windowTitle();
      QCOMPARE(box->layoutDirection(), Qt::RightToLeft);
      clickButton(box, QMessageBox::No);
    });
    QVERIFY(!window->close());
    QCOMPARE(text, QStringLiteral("هل تريد بالتأكيد نهاية اللعبة؟"));
    QCOMPARE(title, QStringLiteral("نهاية البرنامج"));
    QCOMPARE(endCalls, 0);
    QVERIFY(window->isVisible());
  }

  void exitConfirmationYesEndsTheProgram() {
    openDealtWindow(true);
    answerModal([](QWidget* box) { clickButton(box, QMessageBox::Yes); });
    window->exitAction()->trigger();
    QCOMPARE(endCalls, 1);
    // Once ending, closing asks nothing more.
    QVERIFY(window->close());
    QCOMPARE(endCalls, 1);
  }

  void exitMenuItemHasItsShortcut() {
    openDealtWindow(true);
    QCOMPARE(window->exitAction()->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(window->newAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(window->resultsAction()->shortcut(), QKeySequence(Qt::Key_F7));
    QCOMPARE(window->optionsAction()->shortcut(), QKeySequence(Qt::Key_F5));
    QCOMPARE(window->soundAction()->shortcut(), QKeySequence(Qt::Key_F8));
    QCOMPARE(window->exitAction()->text(), QStringLiteral("إ&نهاء العبة"));
    QCOMPARE(window->newAction()->text(), QStringLiteral("&جديد"));
  }

  void digitKeysPlayTheCardTheirHintShows() {
    openDealtWindow(true);
    // Six-card hands: 1 plays position 5, the rightmost card.
    QTest::keyClick(window.get(), Qt::Key_1);
    QVERIFY(!game->Player1(5).Visible);
    QCOMPARE(shownHandCards(), 5);
    QCOMPARE(game->TurnInHand, 1);
    // The keypad's 3 plays position 2.
    QTest::keyClick(window.get(), Qt::Key_3, Qt::KeypadModifier);
    QVERIFY(!game->Player1(2).Visible);
    QCOMPARE(game->TurnInHand, 2);
    // A digit with Shift, Ctrl or Alt held does nothing.
    QTest::keyClick(window.get(), Qt::Key_2, Qt::ShiftModifier);
    QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_4, Qt::AltModifier);
    QCOMPARE(game->TurnInHand, 2);
    // Pressing 1 again: position 5 is empty, nothing counts.
    QTest::keyClick(window.get(), Qt::Key_1);
    QCOMPARE(game->TurnInHand, 2);
    QCOMPARE(shownHandCards(), 4);
  }

  void digitFiveWithFourCardsPlaysPositionFour() {
    openDealtWindow(false);
    QTest::keyClick(window.get(), Qt::Key_5);
    QVERIFY(!game->Player1(4).Visible);
    QVERIFY(game->Player1(1).Visible);
    QTest::keyClick(window.get(), Qt::Key_1);
    QVERIFY(!game->Player1(1).Visible);
    QCOMPARE(game->TurnInHand, 2);
  }

  void keyPressesGiveTheirKeyCodesAndShiftState() {
    QKeyEvent one(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, "1");
    QKeyEvent padSix(QEvent::KeyPress, Qt::Key_6, Qt::KeypadModifier, "6");
    QKeyEvent arabicTwo(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x0662)));
    QKeyEvent shiftedA(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier | Qt::AltModifier, "A");
    QCOMPARE(keyCodeOf(one), 49);
    QCOMPARE(keyCodeOf(padSix), 102);
    QCOMPARE(keyCodeOf(arabicTwo), 50);
    QCOMPARE(keyCodeOf(shiftedA), 0);
    QCOMPARE(shiftStateOf(shiftedA), 5);
    QCOMPARE(shiftStateOf(one), 0);
  }

  void clickOnAHandCardPlaysIt() {
    openDealtWindow(true);
    TableView* view = window->view();
    const std::string tableBefore = tableSnapshot();
    // Position 1 lies under position 5: click its uncovered left strip.
    const QRectF card1 = view->handCardRect(1);
    const QPoint strip(static_cast<int>(card1.left()) + 4, static_cast<int>(card1.center().y()));
    QCOMPARE(view->handPositionAt(strip), 1);
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, strip);
    QVERIFY(!game->Player1(1).Visible);
    QVERIFY(!game->Label1(1).Visible);
    QCOMPARE(game->TurnInHand, 1);
    // The ace of spades takes nothing from 7 8 9 10 of hearts: it is laid,
    // and the computer answers; either way the table is not what it was.
    QVERIFY(tableSnapshot() != tableBefore);
    // A click on the green table plays nothing.
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(5, 200));
    QCOMPARE(game->TurnInHand, 1);
  }

  void theTopmostShownEnabledCardTakesTheClick() {
    openDealtWindow(true);
    TableView* view = window->view();
    // Where cards 1 and 5 overlap, card 5 (drawn last) is on top.
    const QRectF card5 = view->handCardRect(5);
    const QPointF overlap(card5.left() + 3, card5.center().y());
    QVERIFY(view->handCardRect(1).contains(overlap));
    QCOMPARE(view->handPositionAt(overlap), 5);
    // A hidden card lets the one below take the click.
    game->Player1(5).Visible = false;
    QCOMPARE(view->handPositionAt(overlap), 1);
    // A disabled card under the mouse takes the click and does nothing.
    game->Player1(1).Enabled = false;
    QCOMPARE(view->handPositionAt(overlap), 0);
  }

  void theMenuWaitsWhileATurnResolves() {
    openDealtWindow(true);
    game->DelayMs = 20;  // the blinks pause, events flow meanwhile
    bool checked = false;
    bool newEnabled = true, resultsEnabled = true, aboutEnabled = true, helpEnabled = true,
         optionsEnabled = true, exitEnabled = false, keyPreview = true;
    QTimer::singleShot(5, window.get(), [&] {
      checked = true;
      newEnabled = window->newAction()->isEnabled();
      resultsEnabled = window->resultsAction()->isEnabled();
      aboutEnabled = window->aboutAction()->isEnabled();
      helpEnabled = window->contentsAction()->isEnabled();
      optionsEnabled = window->optionsAction()->isEnabled();
      exitEnabled = window->exitAction()->isEnabled();
      keyPreview = game->KeyPreview;
      // A digit during the turn starts no second play.
      QTest::keyClick(window.get(), Qt::Key_2);
    });
    window->playHandCard(5);
    QVERIFY(checked);
    QVERIFY(!newEnabled && !resultsEnabled && !aboutEnabled && !helpEnabled && !optionsEnabled);
    QVERIFY(exitEnabled);
    QVERIFY(!keyPreview);
    QCOMPARE(game->TurnInHand, 1);
    QVERIFY(game->Player1(1).Visible);
    QVERIFY(window->newAction()->isEnabled());
    QVERIFY(window->aboutAction()->isEnabled());
  }

  void exitDuringATurnEndsItWithoutWaiting() {
    openDealtWindow(true);
    game->DelayMs = 200;
    QTimer::singleShot(5, window.get(), [&] {
      answerModal([](QWidget* box) { clickButton(box, QMessageBox::Yes); });
      window->exitAction()->trigger();
    });
    QElapsedTimer timer;
    timer.start();
    window->playHandCard(5);
    QCOMPARE(endCalls, 1);
    // Three blinks of 200 ms would take over a second; the rest is skipped.
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(window->close());
  }

  void soundItemTogglesTwiceBackToOn() {
    openDealtWindow(true);
    QVERIFY(game->SoundOn);
    QVERIFY(window->soundAction()->isChecked());
    window->soundAction()->trigger();
    QVERIFY(!game->SoundOn);
    QVERIFY(!window->soundAction()->isChecked());
    window->soundAction()->trigger();
    QVERIFY(game->SoundOn);
    QVERIFY(window->soundAction()->isChecked());
  }

  void minimisedCaptionIsTheCreditsLine() {
    openDealtWindow(true);
    QCOMPARE(window->windowTitle(), QStringLiteral("Qorza..."));
    window->setWindowState(Qt::WindowMinimized);
    QCOMPARE(window->windowTitle(), QString::fromUtf8(kCreditsCaption));
    window->setWindowState(Qt::WindowNoState);
    QCOMPARE(window->windowTitle(), QStringLiteral("Qorza..."));
  }

  void firstActivationShowsTheDialogThenDeals() {
    window = std::make_unique<TableWindow>(*game, *platform);
    bool dialogSeen = false;
    answerModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<NewGameDialog*>(modal);
      QVERIFY(dialog != nullptr);
      dialogSeen = true;
      dialog->fourCardsOption()->setChecked(true);
      dialog->okButton()->click();
    });
    window->show();
    QTRY_VERIFY(game->Activated);
    QVERIFY(dialogSeen);
    QCOMPARE(game->HandSize, 4);
    QCOMPARE(shownHandCards(), 4);
    QCOMPARE(game->DealtCount, 12);
    // A later activation deals nothing new.
    const std::string deck = game->card(1).Picture + game->card(5).Picture;
    window->hide();
    window->show();
    QTest::qWait(20);
    QCOMPARE(game->card(1).Picture + game->card(5).Picture, deck);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void closingTheFirstDialogEndsTheProgram() {
    window = std::make_unique<TableWindow>(*game, *platform);
    window->endProgram = [this] {
      ++endCalls;
      platform->setEnding();
    };
    window->abandonStart = window->endProgram;
    answerModal([](QWidget* modal) { modal->close(); });
    window->show();
    QTRY_COMPARE(endCalls, 1);
    QVERIFY(!game->Activated);
    QVERIFY(!game->Player1(1).Visible);
  }

  void newClosedWithoutOkLeavesTheMatch() {
    openDealtWindow(true);
    window->playHandCard(5);
    const int dealt = game->DealtCount;
    const std::string first = game->card(1).Picture;
    answerModal([](QWidget* modal) { modal->close(); });
    window->newAction()->trigger();
    QCOMPARE(game->DealtCount, dealt);
    QCOMPARE(game->card(1).Picture, first);
    QCOMPARE(game->TurnInHand, 1);
  }

  // Ctrl+N during a match: the dialog's choices, a refused OK (empty name)
  // that already applies deck, hands, hints and stock, then leave.
  void newRefusedThenLeft(bool homsi, bool sixCards, std::function<void(QWidget*)> leave) {
    bool refused = false;
    answerModal([&, this](QWidget* modal) {
      auto* dialog = qobject_cast<NewGameDialog*>(modal);
      QVERIFY(dialog != nullptr);
      QTest::mouseClick(homsi ? dialog->homsiOption() : dialog->normalOption(), Qt::LeftButton);
      QTest::mouseClick(sixCards ? dialog->sixCardsOption() : dialog->fourCardsOption(),
                        Qt::LeftButton);
      QTest::mouseClick(dialog->levelOption(3), Qt::LeftButton);
      dialog->nameBox()->clear();
      dialog->okButton()->click();
      refused = dialog->isVisible() && game->DeckSize == (homsi ? 44 : 52) &&
                game->HandSize == (sixCards ? 6 : 4) && game->SkillLevel == 3;
      leave(modal);
    });
    window->newAction()->trigger();
    QVERIFY(refused);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  // Plays out the hand in the shown positions, the computer answering each.
  void playOutHand() {
    for (int k = 1; k <= 6; ++k) {
      if (game->Player1(k).Visible) window->playHandCard(k);
    }
  }

  std::string hints() const {
    std::string s;
    for (int k = 1; k <= 4; ++k) s += game->Label1(k).Caption;
    return s;
  }

  void newLeftWithoutOkPutsTheNormalMatchBack() {
    const std::function<void(QWidget*)> ways[] = {
        [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); },
        [](QWidget* modal) { modal->close(); }};
    openDealtWindow(true);
    window->playHandCard(5);
    const std::string stock = game->TXT_NAME.Text;
    for (const auto& leave : ways) {
      newRefusedThenLeft(true, false, leave);
      QCOMPARE(game->DeckSize, 52);
      QCOMPARE(game->HandSize, 6);
      QCOMPARE(hints(), std::string("2345"));
      QCOMPARE(game->TXT_NAME.Text, stock);
      QCOMPARE(game->SkillLevel, 2);
      QCOMPARE(game->PlayerName(1), std::string("Tester"));
      QCOMPARE(game->lbl_n_player(1).Caption, std::string("Tester"));
      QCOMPARE(game->TurnInHand, 1);
    }
    // The deal goes on: the hand is played out and six fresh cards follow.
    playOutHand();
    QCOMPARE(shownHandCards(), 6);
    QCOMPARE(game->DealtCount, 4 + 2 * 12);
    QCOMPARE(game->TXT_NAME.Text, std::string("24"));
  }

  void newLeftWithoutOkPutsTheHomsiMatchBack() {
    openDealtWindow(false, true);
    window->playHandCard(1);
    newRefusedThenLeft(false, true, [](QWidget* modal) { modal->close(); });
    QCOMPARE(game->DeckSize, 44);
    QCOMPARE(game->HandSize, 4);
    QCOMPARE(hints(), std::string("1234"));
    QCOMPARE(game->TXT_NAME.Text, std::string("32"));
    // Not stuck: once the four cards are out, four new ones are dealt.
    playOutHand();
    QCOMPARE(shownHandCards(), 4);
    QCOMPARE(game->DealtCount, 4 + 2 * 8);
    QCOMPARE(game->TXT_NAME.Text, std::string("24"));
  }

  // Grows the window so that its table view gets size.
  void resizeView(QSize size) {
    const QSize extra = window->size() - window->view()->size();
    window->resize(size + extra);
    QTRY_COMPARE(window->view()->size(), size);
  }

  void clicksHitTheSameCardAtTwoAndAHalfTimesTheSize() {
    openDealtWindow(true);
    TableView* view = window->view();
    resizeView(QSize(1580, 1100));
    QCOMPARE(view->transform().zoom(), 2.5);
    // The card art is rendered afresh at the new size, crisp.
    QElapsedTimer timer;
    timer.start();
    const QPixmap shot = view->grab();
    qInfo("table painted at 2.5x in %lld ms", static_cast<long long>(timer.elapsed()));
    QCOMPARE(view->handCardRect(5).height(), 97 * 2.5);
    const QRectF card1 = view->handCardRect(1);
    const QPoint strip(static_cast<int>(card1.left()) + 10, static_cast<int>(card1.center().y()));
    QCOMPARE(view->handPositionAt(strip), 1);
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, strip);
    QVERIFY(!game->Player1(1).Visible);
    QVERIFY(game->Player1(5).Visible);
    Q_UNUSED(shot);
  }

  void aWiderWindowKeepsTheTableCentredWithGreenMargins() {
    openDealtWindow(true);
    TableView* view = window->view();
    resizeView(QSize(1400, 600));
    const TwipsTransform& t = view->transform();
    QCOMPARE(t.scale, 600.0 / 6600.0);
    QCOMPARE(t.offset.y(), 0.0);
    QVERIFY(std::abs(t.offset.x() * 2 + 9480 * t.scale - 1400) < 1e-6);
    const QImage image = view->grab().toImage();
    QCOMPARE(image.pixelColor(5, 300), QColor(0, 128, 0));
    QCOMPARE(image.pixelColor(1395, 300), QColor(0, 128, 0));
    // Never smaller than the given size.
    window->resize(300, 200);
    QTest::qWait(20);
    QVERIFY(view->width() >= 632 && view->height() >= 440);
    QCOMPARE(view->transform().zoom(), 1.0);
  }

  // The status line keeps each player's last play and the score; a click on
  // it lists the deal's plays, newest first.
  void statusLineTellsThePlaysAndOpensTheirHistory() {
    openDealtWindow(true);
    StatusLine* line = window->statusLine();
    window->playHandCard(1);  // the ace of spades takes nothing from 7 to 10 of hearts
    window->playHandCard(2);
    // The marks that keep each line right to left and the names apart stay
    // out of the comparisons of words.
    const auto words = [](QString text) {
      return text.remove(QRegularExpression(QStringLiteral("[\u200E\u200F\u2066-\u2069]")));
    };
    QCOMPARE(words(line->scoreLabel()->text()), QStringLiteral("Tester 0 : 0 الحاسوب - الهدف 101"));
    const QStringList lines = line->playsLabel()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY(words(lines[0]).startsWith(QStringLiteral("Tester: ")));
    QVERIFY(words(lines[1]).startsWith(QStringLiteral("الحاسوب: ")));
    // A Latin name does not turn an Arabic line left to right.
    for (const QString& shown : {lines[0], lines[1], line->scoreLabel()->text()}) {
      QVERIFY(shown.isRightToLeft());
    }
    QVERIFY(
        line->playsLabel()->accessibleName().startsWith(QStringLiteral("Tester: اثنان بستوني")));
    QTest::mouseClick(line->playsLabel(), Qt::LeftButton);
    PlayHistoryWindow* history = window->playHistory();
    QVERIFY(history != nullptr && history->isVisible());
    QCOMPARE(history->list()->count(), 4);
    QCOMPARE(history->list()->item(0)->text(), lines[1]);
    QCOMPARE(history->list()->item(1)->text(), lines[0]);
    history->close();
    // The longest name and a long play never widen the window.
    const QSize size = window->size();
    game->PlayerName(1) = std::string(200, 'W');
    window->playHandCard(3);
    QTest::qWait(20);  // the layout settles
    QCOMPARE(window->size(), size);
    QVERIFY(window->minimumSizeHint().width() <= size.width());
    QVERIFY(line->playsLabel()->accessibleName().startsWith(
        QString::fromStdString(game->PlayerName(1))));
  }

  void screenReadersNameEveryShownCardAndCounter() {
    openDealtWindow(true);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->view());
    QVERIFY(table != nullptr);
    // Six cards in each hand, four on the table, seven counters, two names.
    QCOMPARE(table->childCount(), 6 + 4 + 6 + 7 + 2);
    QStringList names;
    for (int i = 0; i < table->childCount(); ++i) {
      QAccessibleInterface* item = table->child(i);
      QVERIFY(item != nullptr && item->isValid());
      QCOMPARE(table->indexOfChild(item), i);
      QVERIFY(!item->text(QAccessible::Name).isEmpty());
      names << item->text(QAccessible::Name);
    }
    // Reading order: the rightmost card of the hand first (position 5, the
    // five of spades), then the others leftward; the table; the computer's
    // hand face down; the counters named by their captions.
    QCOMPARE(names[0], QStringLiteral("خمسة بستوني"));
    QCOMPARE(names[1], QStringLiteral("آس بستوني"));
    QCOMPARE(names[6], QStringLiteral("سبعة كبة"));
    QCOMPARE(names[10], QStringLiteral("ورقة مقلوبة"));
    QCOMPARE(names[16], QStringLiteral("عدد الأوراق المأكولة - Tester"));
    QCOMPARE(table->child(16)->text(QAccessible::Value), QStringLiteral("0"));
    QVERIFY(table->child(16)->state().readOnly);
    QCOMPARE(names[22], QStringLiteral("عدد الأوراق المتبقية"));
    QCOMPARE(table->child(22)->text(QAccessible::Value), QStringLiteral("36"));
    QCOMPARE(names[23], QStringLiteral("Tester"));
    // The hand card found at a point of the screen is the one drawn on top.
    const QRectF card5 = window->view()->handCardRect(5);
    const QPoint onTop = window->view()->mapToGlobal(card5.center().toPoint());
    QCOMPARE(table->childAt(onTop.x(), onTop.y()), table->child(0));
    // Pressing a hand card through its action plays it; it leaves the tree.
    QAccessibleActionInterface* press = table->child(1)->actionInterface();
    QVERIFY(press != nullptr);
    press->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!game->Player1(1).Visible);
    QVERIFY(!table->child(1)->text(QAccessible::Name).contains(QStringLiteral("آس بستوني")));
  }

  // The rows of the image between top and bottom (pixels) that hold the
  // names' and hints' yellow between left and right.
  static QList<int> yellowRows(const QImage& image, QRect area) {
    QList<int> rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 160 && c.green() > 160 && c.blue() < 100) {
          rows << y;
          break;
        }
      }
    }
    return rows;
  }

  void namesStayInTheirLabelsClearOfTheKeyHints() {
    openDealtWindow(true);
    TableView* view = window->view();
    const TwipsTransform& t = view->transform();
    const QRect label = t.rect(4185, 4770, 1305, 180).toAlignedRect();
    const QRect hints = t.rect(3690, 4950, 5235 - 3690, 195).toAlignedRect();

    // A usual name: blank rows between its letters and the digits below.
    game->lbl_n_player(1).Caption = "محمد علي";
    view->tableChanged();
    QImage image = view->grab().toImage();
    const QList<int> rows = yellowRows(
        image, QRect(label.left(), label.top(), label.width(), hints.bottom() - label.top()));
    QVERIFY(!rows.isEmpty());
    bool gap = false;
    for (qsizetype i = 1; i < rows.size(); ++i) gap = gap || rows[i] > rows[i - 1] + 1;
    QVERIFY2(gap, "the name touches the key hints");

    // One size and one baseline whatever the letters: a name's low tails do
    // not shrink its other letters.
    const auto inkRows = [&](const char* name) {
      game->lbl_n_player(1).Caption = name;
      view->tableChanged();
      return yellowRows(view->grab().toImage(), label.adjusted(0, -4, 0, 4));
    };
    QCOMPARE(inkRows("Ali جيج").first(), inkRows("Ali").first());

    // A long name is cut to its label, whole for screen readers and in the tooltip.
    const QString longName = QStringLiteral("عبد الرحمن بن محمد بن عبد الله الأنصاري");
    game->lbl_n_player(1).Caption = longName.toStdString();
    view->tableChanged();
    image = view->grab().toImage();
    const QRect nameRows(0, label.top(), image.width(), label.height());
    QVERIFY(
        yellowRows(image, nameRows.adjusted(0, 0, label.left() - image.width() - 1, 0)).isEmpty());
    QVERIFY(yellowRows(image, nameRows.adjusted(label.right() + 2, 0, 0, 0)).isEmpty());
    QVERIFY(view->drawnName(1).size() < longName.size());
    QVERIFY(view->accessibleItems().contains(TableItem{TableItem::Name, 1}));
    QCOMPARE(view->itemName(TableItem{TableItem::Name, 1}), longName);
    QHelpEvent tip(QEvent::ToolTip, label.center(), view->mapToGlobal(label.center()));
    QCoreApplication::sendEvent(view, &tip);
    QCOMPARE(QToolTip::text(), longName);
  }

  void tabAndArrowsWalkTheHandRightToLeftAndEnterPlays() {
    openDealtWindow(true);
    TableView* view = window->view();
    view->setFocus();
    QTRY_VERIFY(view->hasFocus());
    QTest::keyClick(view, Qt::Key_Tab);
    QCOMPARE(view->focusedCard(), 5);  // the rightmost card
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(view->focusedCard(), 1);
    QTest::keyClick(view, Qt::Key_Tab);
    QCOMPARE(view->focusedCard(), 2);
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(view->focusedCard(), 1);
    QTest::keyClick(view, Qt::Key_Backtab);
    QCOMPARE(view->focusedCard(), 5);
    QTest::keyClick(view, Qt::Key_Right);  // wraps to the leftmost
    QCOMPARE(view->focusedCard(), 6);
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!game->Player1(6).Visible);
    QCOMPARE(game->TurnInHand, 1);
    // The played card is skipped from now on; Space plays too.
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(view->focusedCard(), 5);
    QTest::keyClick(view, Qt::Key_Space);
    QVERIFY(!game->Player1(5).Visible);
    QCOMPARE(game->TurnInHand, 2);
    // Digits still reach the window while the table has the focus.
    QTest::keyClick(view, Qt::Key_2);
    QVERIFY(!game->Player1(1).Visible);
  }

  void pausesKeepEventsFlowingAndSoundsAreOnlyRecorded() {
    bool ranDuringPause = false;
    QTimer::singleShot(5, qApp, [&] { ranDuringPause = true; });
    QElapsedTimer timer;
    timer.start();
    platform->sleepMs(40);
    QVERIFY(ranDuringPause);
    QVERIFY(timer.elapsed() >= 35);
    // Under tests the audio device is never opened: requests are recorded.
    QVERIFY(platform->sound().recordsOnly());
    platform->playSound("/nowhere/ONE.wav");
    QCOMPARE(platform->sound().recorded(), QStringList{"/nowhere/ONE.wav"});
    // A player that would play still stays silent on a missing file.
    SoundPlayer player(false, nullptr);
    player.play("/nowhere/QORZA.wav");
    QVERIFY(player.recorded().isEmpty());
    // Once the program ends, nothing pauses or plays any more.
    platform->setEnding();
    timer.restart();
    platform->sleepMs(500);
    QVERIFY(timer.elapsed() < 400);
    platform->playSound("/nowhere/TWO.wav");
    QCOMPARE(platform->sound().recorded().size(), 1);
    QVERIFY(!platform->runNewGameDialog(*game));
  }

  void cardArtRendersAtThePixelRatioOncePerSize() {
    CardArt art;
    // The deck's own proportions, not the slot's: the card art is there.
    QVERIFY(art.aspect("club_1") < 0.66);
    QPixmap target(400, 400);
    target.setDevicePixelRatio(2.0);
    target.fill(Qt::transparent);
    const QRectF slot(10, 10, 71, 97);
    {
      QPainter p(&target);
      art.draw(p, "club_1", slot);
      art.draw(p, "club_1", slot);  // the second paint comes from the cache
    }
    QCOMPARE(art.renderCount(), 1);
    const QRectF fitted = art.fittedRect("club_1", slot);
    // Proportions kept, full height, centred in the slot.
    QCOMPARE(fitted.height(), 97.0);
    QVERIFY(fitted.width() < 71.0);
    QCOMPARE(fitted.center(), slot.center());
    // Rendered at twice the pixels the slot covers on screen.
    const QSize pixels(qRound(fitted.width() * 2), qRound(fitted.height() * 2));
    QCOMPARE(art.pixmap("club_1", pixels).size(), pixels);
    QCOMPARE(art.renderCount(), 1);
    // The painted card is opaque inside and its art reaches the slot's middle.
    const QImage image = target.toImage();
    QCOMPARE(image.pixelColor(QPoint(qRound(slot.center().x() * 2), 40)).alpha(), 255);
    // A back design that is missing still paints a plain back.
    const QPixmap missing = art.pixmap("back-99", QSize(40, 60));
    QCOMPARE(missing.toImage().pixelColor(20, 30).alpha(), 255);
    QCOMPARE(cardName("diamond_10"), QStringLiteral("عشرة ديناري"));
    QCOMPARE(cardName("back-3"), QStringLiteral("ورقة مقلوبة"));
  }

  void slotsSitAtTheirTwipsAtTheGivenSize() {
    openDealtWindow(true);
    TableView* view = window->view();
    // The given 632 x 429 and 11 pixels more, down to player 1's cards' lower edge.
    QCOMPARE(view->size(), QSize(632, 440));
    const TwipsTransform& t = view->transform();
    QCOMPARE(t.rect(4680, 5145, 1065, 1455), QRectF(312, 343, 71, 97));
    QCOMPARE(t.offset, QPointF(0, 0));
    // The card art is narrower than the slot: centred, full height.
    const QRectF card1 = view->handCardRect(1);
    QCOMPARE(card1.height(), 97.0);
    QVERIFY(card1.width() < 71.0 && card1.width() > 55.0);
    QCOMPARE(card1.center(), QRectF(312, 343, 71, 97).center());
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setLayoutDirection(Qt::RightToLeft);
  installFontSubstitutions();
  loadResources();
  TableWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "table_window_test.moc"

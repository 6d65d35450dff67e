// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the game read as a person would see it: no text cut by its
// control, no control crossing its frame's lines or the window's edge, no two
// controls touching. CTest runs it at device pixel ratios 1 and 2.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "game/flow/deal.h"
#include "game/game_state.h"
#include "game/new_game_options.h"
#include "scoring/deal_scoring.h"
#include "tests/support/answer_modal.h"
#include "tests/support/visible_script.h"
#include "ui/fonts.h"
#include "ui/game_style.h"
#include "ui/help_window.h"
#include "ui/new_game_dialog.h"
#include "ui/qt_platform.h"
#include "ui/resources.h"
#include "ui/results_window.h"
#include "ui/splash_window.h"
#include "ui/statistics_window.h"
#include "ui/sub_option_dialog.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

using namespace qorza;

namespace {

using qorza::test::answerModal;

// A text as drawn: its access-key marks taken out.
QString drawnText(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  return text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

// The room a control leaves for its one line of text, and that text.
struct TextRoom {
  QString text;
  QRect room;
};

TextRoom buttonRoom(const QAbstractButton* b) {
  QStyle* style = b->style();
  if (qobject_cast<const QRadioButton*>(b) != nullptr) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    return {b->text(), style->subElementRect(QStyle::SE_RadioButtonContents, &opt, b)};
  }
  QStyleOptionButton opt;
  opt.initFrom(b);
  opt.text = b->text();
  opt.icon = b->icon();
  opt.iconSize = b->iconSize();
  QRect room = style->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
  if (!b->icon().isNull()) {
    room.setWidth(room.width() - b->iconSize().width() - 4);
  }
  return {b->text(), room};
}

TextRoom textRoom(const QWidget* w) {
  if (const auto* l = qobject_cast<const QLabel*>(w)) {
    if (!l->pixmap().isNull() || l->wordWrap()) {
      return {};
    }
    return {l->text(), l->contentsRect()};
  }
  if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
    return buttonRoom(b);
  }
  if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect inside = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    return {e->text(), inside.adjusted(2, 0, -2, 0)};  // the box's own side margins
  }
  return {};
}

// Where a frame's lines run (SC_GroupBoxFrame) or where its caption sits
// (SC_GroupBoxLabel), as the style draws them.
QRect framePart(const QGroupBox* g, QStyle::SubControl part) {
  QStyleOptionGroupBox opt;
  opt.initFrom(g);
  opt.text = g->title();
  opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  return g->style()->subControlRect(QStyle::CC_GroupBox, &opt, part, g);
}

QRect frameLines(const QGroupBox* g) { return framePart(g, QStyle::SC_GroupBoxFrame); }
QRect frameCaption(const QGroupBox* g) { return framePart(g, QStyle::SC_GroupBoxLabel); }

// Controls a person works; a read-only box without a frame reads as text.
bool isControl(const QWidget* w) {
  if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
    return !e->isReadOnly() || e->hasFrame();
  }
  return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractButton*>(w) ||
         qobject_cast<const QAbstractSlider*>(w);
}

QString nameOf(const QWidget* w) {
  const QString name = w->objectName();
  return QStringLiteral("%1 \"%2\"")
      .arg(name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name,
           drawnText(textRoom(w).text));
}

// Where a line of text centred in area has its letters.
QRect centredInk(const QFontMetrics& fm, const QString& text, const QRect& area) {
  const int left = area.left() + (area.width() - fm.horizontalAdvance(text)) / 2;
  const int top = area.top() + (area.height() - fm.height()) / 2;
  return fm.tightBoundingRect(text).translated(left, top + fm.ascent());
}

void textFaults(const QWidget* w, QStringList& faults) {
  const TextRoom t = textRoom(w);
  const QString text = drawnText(t.text);
  if (text.isEmpty()) {
    return;
  }
  const QFontMetrics fm = w->fontMetrics();
  int width = 0;  // of the widest line
  for (const QString& line : text.split(u'\n')) width = std::max(width, fm.horizontalAdvance(line));
  if (width > t.room.width()) {
    faults << QStringLiteral("%1 is %2 px wide in %3 px")
                  .arg(nameOf(w))
                  .arg(width)
                  .arg(t.room.width());
  }
  const int ink = fm.tightBoundingRect(text).height();
  if (ink > w->height()) {
    faults << QStringLiteral("%1 is %2 px high in %3 px").arg(nameOf(w)).arg(ink).arg(w->height());
  }
  // A button's letters stay inside the focus mark the style draws round them.
  if (const auto* b = qobject_cast<const QPushButton*>(w)) {
    const QRect mark = GameStyle::pushButtonFocusRect(b);
    const QRect letters = centredInk(fm, text, b->rect());
    if (!mark.adjusted(1, 1, -1, -1).contains(letters)) {
      faults << QStringLiteral("%1 crosses its focus mark (%2 px high in %3 px)")
                    .arg(nameOf(w))
                    .arg(letters.height())
                    .arg(mark.height() - 2);
    }
  }
}

void frameFaults(const QGroupBox* g, QStringList& faults) {
  const QString caption = drawnText(g->title());
  if (g->fontMetrics().horizontalAdvance(caption) > g->width() - 16) {
    faults << QStringLiteral("%1: its caption is wider than the frame").arg(nameOf(g));
  }
  const QRect lines = frameLines(g);
  const QRect inside = lines.adjusted(2, 2, -2, -2);
  const QRect captionRect = frameCaption(g);
  for (const QWidget* c : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!c->isVisibleTo(g)) continue;
    if (!inside.contains(c->geometry())) {
      faults << QStringLiteral("%1 crosses the lines of %2").arg(nameOf(c), g->objectName());
    }
    if (captionRect.intersects(c->geometry())) {
      faults << QStringLiteral("%1 runs into the caption of %2").arg(nameOf(c), g->objectName());
    }
  }
}

void siblingFaults(const QWidget* parent, QStringList& faults) {
  QList<const QWidget*> controls;
  for (const QWidget* c : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (c->isVisibleTo(parent) && isControl(c)) controls << c;
  }
  for (qsizetype i = 0; i < controls.size(); ++i) {
    for (qsizetype j = i + 1; j < controls.size(); ++j) {
      // One pixel apart at least: touching borders read as one control.
      if (controls[i]->geometry().adjusted(-1, -1, 1, 1).intersects(controls[j]->geometry())) {
        faults << QStringLiteral("%1 touches %2").arg(nameOf(controls[i]), nameOf(controls[j]));
      }
    }
  }
}

// Every fault of a window's layout, one line each; empty when it reads cleanly.
QStringList layoutFaults(QWidget* window) {
  QStringList faults;
  const QRect edge = window->rect();
  QList<QWidget*> all = window->findChildren<QWidget*>();
  all.prepend(window);
  for (QWidget* w : all) {
    if (!w->isVisibleTo(window) && w != window) continue;
    if (w != window && !edge.contains(QRect(w->mapTo(window, QPoint(0, 0)), w->size()))) {
      faults << QStringLiteral("%1 crosses the window's edge").arg(nameOf(w));
    }
    textFaults(w, faults);
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
      frameFaults(g, faults);
      // A frame keeps a margin to the window's bottom.
      if (g->parentWidget() == window && g->geometry().bottom() > edge.bottom() - 3) {
        faults << QStringLiteral("%1 ends flush with the window's bottom").arg(nameOf(g));
      }
    }
    siblingFaults(w, faults);
  }
  faults << test::foreignWords(window);
  return faults;
}

QPalette darkPalette() {
  QPalette dark(QColor(220, 220, 220), QColor(40, 40, 40));
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::Text, QColor(220, 220, 220));
  dark.setColor(QPalette::Button, QColor(50, 50, 50));
  dark.setColor(QPalette::ButtonText, QColor(220, 220, 220));
  return dark;
}

// With QORZA_SCREENSHOT_DIR set, each window checked is also saved there as
// a picture for a person to look at (QORZA_DARK_PALETTE=1: under a dark
// desktop palette; QT_SCALE_FACTOR: at another size).
void keepPicture(QWidget* window, const QString& name) {
  const QString folder = qEnvironmentVariable("QORZA_SCREENSHOT_DIR");
  if (!folder.isEmpty()) {
    window->grab().save(folder + "/" + name + ".png");
  }
}

// A player's name as a player of the windows' language would type it.
QString inLanguage(const char* arabic, const char* english) {
  return QString::fromUtf8(currentLanguage() == Language::English ? english : arabic);
}

#define VERIFY_LAYOUT(window)                                  \
  do {                                                         \
    const QStringList faults = layoutFaults(window);           \
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n'))); \
  } while (false)

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QtPlatform> platform;
  std::unique_ptr<Game> game;

  void show(QWidget* w) {
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
  }

 private slots:
  void initTestCase() {
    // QORZA_LANG=en: the windows in English (Arabic otherwise).
    configureApplication(
        *static_cast<QApplication*>(qApp),
        languageOfCode(qEnvironmentVariable("QORZA_LANG")).value_or(Language::Arabic));
    loadResources();
    if (qEnvironmentVariableIntValue("QORZA_DARK_PALETTE") == 1) {
      QApplication::setPalette(darkPalette());
    }
    // QORZA_DESKTOP_FONT_POINTS: the windows under a desktop font of that size.
    if (const int points = qEnvironmentVariableIntValue("QORZA_DESKTOP_FONT_POINTS"); points > 0) {
      QApplication::setFont(designFont("MS Sans Serif", points));
    }
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

  void newGameDialogReadsCleanly() {
    NewGameDialog d(*game);
    show(&d);
    keepPicture(&d, "new-game");
    VERIFY_LAYOUT(&d);
  }

  void furtherOptionsReadsCleanly() {
    SubOptionDialog d(*game);
    show(&d);
    keepPicture(&d, "further-options");
    VERIFY_LAYOUT(&d);
  }

  void resultsReadCleanly() {
    // A deal that ends the match: the grid and the verdict line.
    game->PlayerName(1) = typedName(inLanguage("سامي", "Sami"));
    game->TXT_POINT(1).Text = "120";
    game->TXT_POINT(2).Text = "30";
    game->RoundCount1 = game->RoundCount2 = 1;
    QStringList faults;
    bool shown = false;
    answerModal([&](QWidget* w) {
      shown = true;
      keepPicture(w, "results");
      faults = layoutFaults(w);
      w->findChild<QPushButton*>("Command1")->click();
    });
    ScoreDeal(*game);
    QVERIFY(shown);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }

  void helpReadsCleanly() {
    HelpWindow w;
    show(&w);
    keepPicture(&w, "help");
    VERIFY_LAYOUT(&w);
  }

  void splashAndAboutReadCleanly() {
    SplashWindow w([] {});
    show(&w);
    keepPicture(&w, "splash");
    VERIFY_LAYOUT(&w);
  }

  void tableHoldsEverySlotAndItsMenu() {
    game->Activated = true;
    TableWindow window(*game, *platform, nullptr);
    window.endProgram = [this] { platform->setEnding(); };
    applyNewGameOptions(*game,
                        NewGameChoice{false, true, typedName(inLanguage("مختبر", "Tester"))});
    game->DelayMs = 0;
    game->lbl_n_player(1).Caption = typedName(inLanguage("محمد علي", "Mohammed Ali"));
    mnu_new_Click(*game);
    show(&window);
    keepPicture(&window, "table");
    VERIFY_LAYOUT(&window);
    TableView* view = window.view();
    for (const TableItem& item : view->accessibleItems()) {
      QVERIFY2(QRectF(view->rect()).contains(view->itemRect(item)),
               qPrintable(view->itemName(item)));
    }
  }

  void statisticsAndItsResetQuestionReadCleanly() {
    Statistics statistics;
    StatisticsWindow w(statistics, [] {});
    show(&w);
    keepPicture(&w, "statistics");
    VERIFY_LAYOUT(&w);
    QStringList faults;
    answerModal([&](QWidget* box) {
      keepPicture(box, "statistics-reset");
      faults = layoutFaults(box);
      qobject_cast<QMessageBox*>(box)->button(QMessageBox::No)->click();
    });
    QVERIFY(!w.confirmReset());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }

  void exitConfirmationReadsCleanly() {
    game->Activated = true;
    TableWindow window(*game, *platform, nullptr);
    show(&window);
    QStringList faults;
    bool asked = false;
    answerModal([&](QWidget* box) {
      asked = true;
      keepPicture(box, "exit-confirmation");
      faults = layoutFaults(box);
      qobject_cast<QMessageBox*>(box)->button(QMessageBox::No)->click();
    });
    QVERIFY(!window.confirmExit());
    QVERIFY(asked);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"

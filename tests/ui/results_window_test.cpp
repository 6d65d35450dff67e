// SPDX-License-Identifier: GPL-3.0-or-later
// The results window on screen: the real grid cells, their colours, the
// verdict line and both ways of dismissing it, driven by the game's scoring.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "game/game_state.h"
#include "scoring/deal_scoring.h"
#include "tests/support/fake_platform.h"
#include "ui/fonts.h"
#include "ui/results_window.h"

namespace qorza {
namespace {

const QString kWin = QStringLiteral("تهانينا لقد ربحت.......");
const QString kLoss = QStringLiteral("لقد خسرت مع الأسف حاول مرة أخرى");

// Closes any modal window still open after a few seconds, so that a test
// that fails to answer the window fails instead of hanging.
class ModalFallback {
 public:
  ModalFallback() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      fired = true;
      while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
      }
    });
    timer_.start(5000);
  }
  bool fired = false;

 private:
  QTimer timer_;
};

bool near(QColor a, QColor b, int tolerance = 8) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// True when some pixel of the rectangle is close to the colour.
bool anyPixelNear(const QImage& image, QRect rect, QColor colour, int tolerance) {
  rect = rect.intersected(image.rect());
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (near(image.pixelColor(x, y), colour, tolerance)) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

class ResultsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void matchEndShowsScoresColoursAndVerdict();
  void closeBoxRunsWhatOkRuns();
  void longMatchScrollsToTheNewestDeal();
  void longNamesEndInAnEllipsis();

 private:
  // Plays the end of a deal worth (a, b) points; `look` runs on the window
  // while it is on screen, then it is dismissed by OK or by its close box.
  void endDeal(int a, int b, const std::function<void(ResultsWindow&)>& look,
               bool closeBox = false);

  std::unique_ptr<testing::FakePlatform> platform_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<ResultsWindow> window_;  // one window for the whole match
};

void ResultsWindowTest::initTestCase() { installFontSubstitutions(); }

void ResultsWindowTest::init() {
  platform_ = std::make_unique<testing::FakePlatform>();
  game_ = std::make_unique<Game>(*platform_);
  window_ = std::make_unique<ResultsWindow>();
  platform_->onResults = [this](Game& g) { window_->showModal(g); };
}

void ResultsWindowTest::cleanup() {
  window_.reset();
  game_.reset();
  platform_.reset();
}

void ResultsWindowTest::endDeal(int a, int b, const std::function<void(ResultsWindow&)>& look,
                                bool closeBox) {
  ModalFallback fallback;
  bool looked = false;
  QTimer::singleShot(0, [&] {
    auto* shown = qobject_cast<ResultsWindow*>(QApplication::activeModalWidget());
    if (shown == nullptr) {
      return;  // the fallback closes whatever is there
    }
    looked = true;
    look(*shown);
    if (closeBox) {
      shown->close();
    } else {
      shown->findChild<QPushButton*>("Command1")->click();
    }
  });
  Game& g = *game_;
  g.TXT_POINT(1).Text = std::to_string(a);
  g.TXT_POINT(2).Text = std::to_string(b);
  g.TXT_CARD(1).Text = "20";
  g.TXT_CARD(2).Text = "20";
  g.RoundCount1 += 1;
  g.RoundCount2 += 1;
  ScoreDeal(g);
  QVERIFY(looked);
  QVERIFY(!fallback.fired);
  QVERIFY(!window_->isVisible());
}

void ResultsWindowTest::matchEndShowsScoresColoursAndVerdict() {
  game_->PlayerName(1) = "Salma";
  endDeal(40, 30,
          [](ResultsWindow& w) { QCOMPARE(w.findChild<QLabel*>("Label1")->isVisible(), false); });
  endDeal(30, 50, [](ResultsWindow&) {});

  QImage shot;
  QTableWidget* grid = nullptr;
  QLabel* verdict = nullptr;
  endDeal(35, 5, [&](ResultsWindow& w) {
    grid = w.findChild<QTableWidget*>("Grid1");
    verdict = w.findChild<QLabel*>("Label1");
    QVERIFY(grid && verdict);
    QCOMPARE(w.windowTitle(), QString(32, ' ') + QStringLiteral("النتائج"));
    QCOMPARE(w.size(), QSize(300, 328));
    QCOMPARE(w.findChild<QPushButton*>("Command1")->text(), QStringLiteral("موافـــــــــــــق"));
    QCOMPARE(w.layoutDirection(), Qt::RightToLeft);

    QCOMPARE(grid->rowCount(), 15);
    QCOMPARE(grid->columnCount(), 3);
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString());
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Salma"));
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QString::fromUtf8(kDefaultPlayer2Name));
    const QString expected[3][3] = {{"1", "40", "30"}, {"2", "70", "80"}, {"3", "105", "85"}};
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) {
        QCOMPARE(grid->item(r, c)->text(), expected[r][c]);
        QCOMPARE(grid->item(r, c)->textAlignment(), int(Qt::AlignCenter));
      }
    }
    QCOMPARE(grid->item(14, 0)->text(), QStringLiteral("15"));
    QCOMPARE(grid->item(14, 1)->text(), QString());
    for (int r = 0; r < 15; ++r) {  // the winner's whole column is yellow
      QCOMPARE(grid->item(r, 1)->background().color(), QColor(255, 255, 0));
      QCOMPARE(grid->item(r, 2)->background().color(), QColor(255, 255, 255));
      QCOMPARE(grid->item(r, 0)->background().color(), QColor(255, 255, 255));
      QCOMPARE(grid->item(r, 2)->foreground().color(), QColor(64, 64, 0));
    }
    QCOMPARE(grid->columnWidth(0), 27);
    QCOMPARE(grid->columnWidth(1), 117);
    QCOMPARE(grid->columnWidth(2), 117);

    QVERIFY(verdict->isVisible());
    QCOMPARE(verdict->text(), kWin);
    QCOMPARE(verdict->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(verdict->width() >= verdict->fontMetrics().horizontalAdvance(kWin));
    QVERIFY(w.rect().contains(verdict->geometry()));
    QVERIFY(std::abs(verdict->geometry().center().x() - 151) <= 1);
    QVERIFY(!verdict->geometry().intersects(grid->geometry()));
    QVERIFY(!verdict->geometry().intersects(w.findChild<QPushButton*>("Command1")->geometry()));

    shot = w.grab().toImage();
    if (const QByteArray path = qgetenv("QORZA_RESULTS_SHOT"); !path.isEmpty()) {
      shot.save(QString::fromLocal8Bit(path));
    }
  });
  QVERIFY(!shot.isNull());

  // What is painted: the heading row red on cyan, yellow and white cells,
  // light grey beside the cells (the left, the grid reading right to left).
  const QPoint origin = grid->geometry().topLeft();
  const auto cellRect = [&](int r, int c) {
    QRect rect = grid->visualItemRect(grid->item(r, c));
    return rect.translated(grid->viewport()->mapTo(grid, QPoint()) + origin);
  };
  const QRect yellowCell = cellRect(5, 1);
  QVERIFY(near(shot.pixelColor(yellowCell.topLeft() + QPoint(3, 3)), QColor(255, 255, 0)));
  const QRect whiteCell = cellRect(5, 2);
  QVERIFY(near(shot.pixelColor(whiteCell.topLeft() + QPoint(3, 3)), QColor(255, 255, 255)));
  QVERIFY(cellRect(0, 0).left() > cellRect(0, 1).left());  // deal numbers on the right
  const QRect header = grid->horizontalHeader()->geometry().translated(origin);
  const QRect heading(cellRect(0, 1).left(), header.top(), cellRect(0, 1).width(), header.height());
  QVERIFY(near(shot.pixelColor(heading.topLeft() + QPoint(4, 4)), QColor(0, 255, 255)));
  QVERIFY(anyPixelNear(shot, heading, QColor(255, 0, 0), 40));
  QVERIFY(anyPixelNear(shot, whiteCell.adjusted(0, -cellRect(0, 0).height() * 5, 0, 0),
                       QColor(64, 64, 0), 40));
  const QPoint beside(cellRect(5, 2).left() - 4, cellRect(5, 2).center().y());
  QVERIFY(near(shot.pixelColor(beside), QColor(192, 192, 192)));

  // OK ended the match: the next showing is a new match's first deal.
  QCOMPARE(game_->ScoreTable(1), 0);
  QCOMPARE(game_->RoundCount1, 0);
  endDeal(7, 9, [](ResultsWindow& w) {
    auto* grid = w.findChild<QTableWidget*>("Grid1");
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("7"));
    QCOMPARE(grid->item(1, 1)->text(), QString());
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("2"));
    QCOMPARE(grid->item(0, 1)->background().color(), QColor(255, 255, 255));
    QVERIFY(!w.findChild<QLabel*>("Label1")->isVisible());
  });
}

void ResultsWindowTest::closeBoxRunsWhatOkRuns() {
  Game& g = *game_;
  g.DeckSize = 44;
  g.HandSize = 4;
  g.TXT_NAME.Text = "0";
  endDeal(
      20, 10, [](ResultsWindow&) {}, true);
  QCOMPARE(g.TXT_NAME.Text, std::string("32"));
  QCOMPARE(g.ScoreTable(1), 20);

  g.TXT_NAME.Text = "0";
  endDeal(
      5, 100,
      [](ResultsWindow& w) {
        QCOMPARE(w.findChild<QLabel*>("Label1")->text(), kLoss);
        QCOMPARE(w.findChild<QTableWidget*>("Grid1")->item(3, 2)->background().color(),
                 QColor(255, 255, 0));
      },
      true);
  QCOMPARE(g.ScoreTable(1), 0);
  QCOMPARE(g.ScoreTable(2), 0);
  QCOMPARE(g.RoundCount1, 0);
  QCOMPARE(g.TXT_NAME.Text, std::string("32"));
  QVERIFY(!g.frm_results.Loaded);
}

void ResultsWindowTest::longMatchScrollsToTheNewestDeal() {
  game_->winningPointsText = "601";
  for (int deal = 1; deal <= 16; ++deal) {
    endDeal(10, 10, [](ResultsWindow&) {});
  }
  endDeal(10, 10, [](ResultsWindow& w) {
    auto* grid = w.findChild<QTableWidget*>("Grid1");
    QCOMPARE(grid->rowCount(), 17);
    QCOMPARE(grid->item(16, 0)->text(), QStringLiteral("17"));
    QCOMPARE(grid->item(16, 1)->text(), QStringLiteral("170"));
    const QRect newest = grid->visualItemRect(grid->item(16, 1));
    QVERIFY(grid->viewport()->rect().contains(newest));
    QVERIFY(grid->horizontalHeader()->isVisible());
  });
}

// A name wider than its column is cut at its end with an ellipsis, never at
// both sides; the whole name is in the heading's tooltip.
void ResultsWindowTest::longNamesEndInAnEllipsis() {
  const QString names[2] = {QStringLiteral("Maximilian Alexander Montgomery-Smith"),
                            QString(60, QChar(0x0645))};
  game_->PlayerName(1) = names[0].toStdString();
  game_->PlayerName(2) = names[1].toStdString();
  endDeal(10, 10, [&](ResultsWindow& w) {
    auto* grid = w.findChild<QTableWidget*>("Grid1");
    const QFontMetrics metrics(grid->horizontalHeader()->font());
    for (int k = 1; k <= 2; ++k) {
      const QTableWidgetItem* heading = grid->horizontalHeaderItem(k);
      // The ellipsis is one character, or three dots in a face without it.
      QString kept = heading->text();
      QVERIFY(kept.endsWith(QChar(0x2026)) || kept.endsWith(QStringLiteral("...")));
      kept.chop(kept.endsWith(QChar(0x2026)) ? 1 : 3);
      kept.remove(QChar(0x200D));  // the joiner that keeps an Arabic letter's form
                                   // QVERIFY(!kept.isEmpty() && names[k - 1].startsWith(kept));
      QVERIFY(metrics.horizontalAdvance(heading->text()) < grid->columnWidth(k));
      QCOMPARE(heading->toolTip(), names[k - 1]);
    }
  });
}

}  // namespace qorza

QTEST_MAIN(qorza::ResultsWindowTest)
#include "results_window_test.moc"

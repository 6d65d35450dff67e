// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results_window.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "game/game_state.h"
#include "ui/fonts.h"
#include "ui/game_style.h"
#include "ui/language.h"
#include "ui/score_breakdown_text.h"
#include "ui/twips.h"

namespace qorza {

namespace {

// Designed in twips, 15 to a pixel.

const QColor kWindowGrey(212, 208, 200);  // the inactive border's grey
const QColor kCellBackground(255, 255, 255);
const QColor kCellText(64, 64, 0);
const QColor kOutsideCells(192, 192, 192);
const QColor kWinnerYellow(255, 255, 0);
const QColor kVerdictRed(255, 0, 0);

const int kColumnWidths[3] = {dialogPixels(400), dialogPixels(1750), dialogPixels(1750)};
constexpr int kRowHeight = 16;     // the grid's own row height, 240 twips
constexpr int kHeadingMargin = 6;  // a heading's border line and room beside its text

// Verdict line centred on the point the design centres it on.
const QPoint kVerdictCentre(dialogPixels(1950 + 630 / 2), dialogPixels(4005 + 240 / 2));

}  // namespace

ResultsWindow::ResultsWindow(QWidget* parent)
    : QDialog(parent),
      grid_(new QTableWidget(this)),
      verdict_(new QLabel(this)),
      ok_(new QPushButton(tr("موافـــــــــــــق"), this)) {
  setWindowTitle(QString(32, QChar(' ')) + tr("النتائج"));
  grid_->setAccessibleName(tr("النتائج جولة بجولة"));
  setLayoutDirection(textDirection());
  setFont(designFont("MS Sans Serif", 8.25));
  setFixedSize(dialogPixels(4500), dialogPixels(4920));
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  setPalette(windowPalette(kWindowGrey, Qt::black));
  setAutoFillBackground(true);

  buildGrid();

  verdict_->setObjectName("Label1");
  verdict_->setAlignment(Qt::AlignCenter);
  QPalette red = verdict_->palette();
  red.setColor(QPalette::WindowText, kVerdictRed);
  verdict_->setPalette(red);
  verdict_->hide();

  ok_->setObjectName("Command1");
  ok_->setGeometry(dialogPixels(810), dialogPixels(4320), dialogPixels(2715), dialogPixels(510));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  placeForReading(this);
}

void ResultsWindow::buildGrid() {
  grid_->setObjectName("Grid1");
  grid_->setGeometry(dialogPixels(45), dialogPixels(90), dialogPixels(4155), dialogPixels(3885));
  grid_->setColumnCount(3);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setFocusPolicy(Qt::NoFocus);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  QPalette palette = grid_->palette();
  palette.setColor(QPalette::Base, kOutsideCells);
  grid_->setPalette(palette);

  QHeaderView* rows = grid_->verticalHeader();
  rows->hide();
  rows->setMinimumSectionSize(1);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(kRowHeight);

  // The heading row stays in view while the deal rows scroll.
  QHeaderView* headings = grid_->horizontalHeader();
  headings->setMinimumSectionSize(1);
  headings->setSectionResizeMode(QHeaderView::Fixed);
  headings->setStretchLastSection(false);
  headings->setHighlightSections(false);
  headings->setFixedHeight(kRowHeight);
  headings->setDefaultAlignment(Qt::AlignCenter);
  headings->setStyleSheet(
      "QHeaderView { background-color: rgb(192, 192, 192); }"
      " QHeaderView::section { background-color: rgb(0, 255, 255); color: rgb(255, 0, 0);"
      " border: none; border-left: 1px solid gray; border-bottom: 1px solid gray;"
      " padding: 0px; }");
  for (int k = 0; k < 3; ++k) {
    grid_->setHorizontalHeaderItem(k, new QTableWidgetItem);
    grid_->setColumnWidth(k, kColumnWidths[k]);
  }
}

void ResultsWindow::fillGrid(const ResultsWindowModel& model) {
  const int rowCount = std::max(0, static_cast<int>(model.Grid1.size()) - 1);
  grid_->setRowCount(rowCount);
  // A name too long for its column ends in an ellipsis; the whole name is
  // in the heading's tooltip.
  const QFontMetrics metrics(grid_->horizontalHeader()->font());
  for (int k = 0; k < 3; ++k) {
    const QString heading = model.Grid1.empty() ? QString() : shownName(model.Grid1[0][k].Text);
    const QString shown =
        metrics.elidedText(heading, Qt::ElideRight, kColumnWidths[k] - kHeadingMargin);
    grid_->horizontalHeaderItem(k)->setText(shown);
    grid_->horizontalHeaderItem(k)->setToolTip(shown == heading ? QString() : heading);
  }
  for (int r = 0; r < rowCount; ++r) {
    const auto& row = model.Grid1[static_cast<std::size_t>(r) + 1];
    // The row tells how its scores came about, on hover and to a screen reader.
    const DealBreakdown* breakdown = breakdownOfRow(model, r + 1);
    const QString told = breakdown
                             ? breakdownText(*breakdown, grid_->horizontalHeaderItem(1)->text(),
                                             grid_->horizontalHeaderItem(2)->text())
                             : QString();
    for (int c = 0; c < 3; ++c) {
      const ResultsCell& cell = row[static_cast<std::size_t>(c)];
      auto* item = new QTableWidgetItem(QString::fromStdString(cell.Text));
      item->setTextAlignment(Qt::AlignCenter);
      item->setForeground(kCellText);
      item->setBackground(cell.Highlighted ? kWinnerYellow : kCellBackground);
      item->setToolTip(told);
      item->setData(Qt::AccessibleDescriptionRole, told);
      grid_->setItem(r, c, item);
    }
  }
  newestRow_ = model.NewestRow <= rowCount ? model.NewestRow : 0;
}

void ResultsWindow::placeVerdict(const ResultsWindowModel& model) {
  const QString text = verdictText(model.verdict);
  verdict_->setText(text);
  // Wide enough for the whole line, still centred where designed.
  const QFontMetrics metrics(verdict_->font());
  const int w = std::min(width(), std::max(dialogPixels(630), metrics.horizontalAdvance(text) + 8));
  const int x = std::clamp(kVerdictCentre.x() - w / 2, 0, width() - w);
  // As tall as the font wants, within the band between the grid and OK.
  const int top = grid_->geometry().bottom() + 1;
  const int bottom = ok_->geometry().top();
  const int h = std::min(std::max(dialogPixels(240), metrics.height()), bottom - top);
  const int y = std::clamp(kVerdictCentre.y() - h / 2, top, bottom - h);
  verdict_->setGeometry(layoutDirection() == Qt::RightToLeft ? x : width() - x - w, y, w, h);
  verdict_->setVisible(model.Label1Visible);
}

void ResultsWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Only a grid on screen knows its scroll range.
  grid_->doItemsLayout();
  if (newestRow_ > 0) {
    grid_->scrollToItem(grid_->item(newestRow_ - 1, 0), QAbstractItemView::EnsureVisible);
  } else {
    grid_->scrollToTop();
  }
}

void ResultsWindow::showModal(Game& game) {
  fillGrid(game.frm_results);
  placeVerdict(game.frm_results);
  ok_->setFocus();
  exec();
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/statistics_window.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <utility>

#include "ui/game_style.h"
#include "ui/language.h"

namespace qorza {

namespace {

const QColor kWindowGrey(212, 208, 200);  // as the results window
const QColor kCellText(64, 64, 0);
const QColor kOutsideCells(192, 192, 192);

struct VariantChoice {
  int deckSize;
  int handSize;
  const char* caption;
};

constexpr VariantChoice kVariants[] = {
    {52, 6, QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "Qorza عادية - ست أوراق")},
    {52, 4, QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "Qorza عادية - أربع أوراق")},
    {44, 4, QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "Qorza حمصية - أربع أوراق")},
};

const char* const kLevelCaptions[4] = {QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "عادي"),
                                       QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "متوسط"),
                                       QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "جيد"),
                                       QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "خبير")};
constexpr int kLevelCount = 4;
constexpr int kLevelColumnWidth = 68;

const char* const kFigureCaptions[] = {
    QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "المباريات الملعوبة"),
    QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "المباريات الرابحة"),
    QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "المباريات الخاسرة"),
    QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "الجولات الملعوبة"),
    QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "معدل نقاط الجولة"),
    QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "أفضل نقاط جولة"),
    QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "عدد مرات Qorza"),
    QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "أطول سلسلة فوز"),
    QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "التلميحات المستعملة"),
    QT_TRANSLATE_NOOP("qorza::StatisticsWindow", "مرات التراجع"),
};
constexpr int kFigureCount = 10;
constexpr int kRowHeight = 22;
constexpr int kGridTop = 44;
constexpr int kGridHeight = kRowHeight * (kFigureCount + 1) + 2;  // the headings, the frame
constexpr int kButtonsTop = kGridTop + kGridHeight + 10;

QString figure(const VariantStatistics& s, int row) {
  switch (row) {
    case 0:
      return QString::number(s.matchesPlayed);
    case 1:
      return QString::number(s.matchesWon);
    case 2:
      return QString::number(s.matchesLost);
    case 3:
      return QString::number(s.dealsPlayed);
    case 4:
      return s.dealsPlayed == 0 ? QStringLiteral("-")
                                : QString::number(s.averageDealScore(), 'f', 1);
    case 5:
      return s.dealsPlayed == 0 ? QStringLiteral("-") : QString::number(s.bestDealScore);
    case 6:
      return QString::number(s.qorzas);
    case 7:
      return QString::number(s.longestStreak);
    case 8:
      return QString::number(s.hintsUsed);
    default:
      return QString::number(s.undosUsed);
  }
}

}  // namespace

StatisticsWindow::StatisticsWindow(const Statistics& statistics, std::function<void()> reset,
                                   QWidget* parent)
    : QDialog(parent),
      statistics_(statistics),
      resetStatistics_(std::move(reset)),
      variant_(new QComboBox(this)),
      grid_(new QTableWidget(this)),
      reset_(new QPushButton(tr("تصفير الإحصاءات"), this)),
      ok_(new QPushButton(tr("موافـــــــــــــق"), this)) {
  setWindowTitle(QString(24, QChar(' ')) + tr("الإحصاءات"));
  grid_->setAccessibleName(tr("الإحصاءات حسب المستوى"));
  setLayoutDirection(textDirection());
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSizeF(8.25);
  setFont(font);
  setFixedSize(420, kButtonsTop + 42);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  setPalette(windowPalette(kWindowGrey, Qt::black));
  setAutoFillBackground(true);

  auto* caption = new QLabel(tr("نوع اللعبة:"), this);
  caption->setGeometry(300, 12, 108, 22);
  variant_->setObjectName(QStringLiteral("Variant"));
  variant_->setGeometry(130, 12, 165, 22);
  for (const VariantChoice& v : kVariants) {
    variant_->addItem(tr(v.caption));
  }
  connect(variant_, &QComboBox::currentIndexChanged, this, [this] { fill(); });
  buildGrid();

  reset_->setObjectName(QStringLiteral("Reset"));
  reset_->setGeometry(232, kButtonsTop, 176, 30);
  connect(reset_, &QPushButton::clicked, this, [this] { confirmReset(); });
  ok_->setObjectName(QStringLiteral("OK"));
  ok_->setGeometry(12, kButtonsTop, 176, 30);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  placeForReading(this);
  fill();
  ok_->setFocus();  // the window opens on OK, its focus mark in view
}

void StatisticsWindow::buildGrid() {
  grid_->setObjectName(QStringLiteral("Grid1"));
  grid_->setGeometry(12, kGridTop, 396, kGridHeight);
  grid_->setRowCount(kFigureCount);
  grid_->setColumnCount(kLevelCount);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setFocusPolicy(Qt::NoFocus);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette palette = grid_->palette();
  palette.setColor(QPalette::Base, kOutsideCells);
  grid_->setPalette(palette);
  const QString heading =
      "QHeaderView { background-color: rgb(192, 192, 192); }"
      " QHeaderView::section { background-color: rgb(0, 255, 255); color: rgb(255, 0, 0);"
      " border: none; border-left: 1px solid gray; border-bottom: 1px solid gray;"
      " padding: 0px 4px; }";
  for (QHeaderView* header : {grid_->horizontalHeader(), grid_->verticalHeader()}) {
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    header->setStyleSheet(heading);
  }
  grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid_->verticalHeader()->setFixedWidth(120);
  grid_->horizontalHeader()->setFixedHeight(kRowHeight);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid_->verticalHeader()->setDefaultAlignment(
      Qt::AlignVCenter | (layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft));
  for (int c = 0; c < kLevelCount; ++c) {
    grid_->setHorizontalHeaderItem(c, new QTableWidgetItem(tr(kLevelCaptions[c])));
    grid_->setColumnWidth(c, kLevelColumnWidth);
  }
  for (int r = 0; r < kFigureCount; ++r) {
    grid_->setVerticalHeaderItem(r, new QTableWidgetItem(tr(kFigureCaptions[r])));
  }
}

void StatisticsWindow::fill() {
  const VariantChoice& v = kVariants[std::max(0, variant_->currentIndex())];
  for (int level = 1; level <= kLevelCount; ++level) {
    const auto found = statistics_.find(VariantKey{v.deckSize, v.handSize, level});
    const VariantStatistics s = found == statistics_.end() ? VariantStatistics{} : found->second;
    for (int r = 0; r < kFigureCount; ++r) {
      auto* item = new QTableWidgetItem(figure(s, r));
      item->setTextAlignment(Qt::AlignCenter);
      item->setForeground(kCellText);
      item->setBackground(Qt::white);
      grid_->setItem(r, level - 1, item);
    }
  }
}

void StatisticsWindow::showVariant(const VariantKey& key) {
  for (int i = 0; i < variant_->count(); ++i) {
    if (kVariants[i].deckSize == key.deckSize && kVariants[i].handSize == key.handSize) {
      variant_->setCurrentIndex(i);
    }
  }
  fill();
}

bool StatisticsWindow::confirmReset() {
  QMessageBox box(QMessageBox::NoIcon, tr("الإحصاءات"), tr("هل تريد بالتأكيد مسح كل الإحصاءات؟"),
                  QMessageBox::Yes | QMessageBox::No, this);
  box.setLayoutDirection(textDirection());
  box.setPalette(windowPalette(kWindowGrey, Qt::black));
  box.setDefaultButton(QMessageBox::No);
  const bool yes = box.exec() == QMessageBox::Yes;
  // Either way the focus goes back to OK: Enter must not ask again.
  ok_->setFocus();
  if (!yes) {
    return false;
  }
  resetStatistics_();
  fill();
  return true;
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// The table's accessible side: the pane, its items and what a screen reader
// says about each. Where an item lies is the table view's business.
#include "ui/table_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include "game/game_state.h"
#include "ui/language.h"
#include "ui/table_view.h"

namespace qorza {

namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// A caption as words: without its dots and stretching strokes.
QString spokenCaption(const QString& caption) {
  QString text = caption;
  text.remove(QLatin1Char('.')).remove(QChar(0x0640));
  return text.simplified();
}

// The accessible side of one table item: a card slot or a counter. A
// counter's number is its text, as a screen reader reads a read-only box.
class TableItemAccessible : public QAccessibleInterface,
                            public QAccessibleActionInterface,
                            public QAccessibleTextInterface {
 public:
  TableItemAccessible(TableView* view, TableItem item) : view_(view), item_(item) {}

  bool isValid() const override { return view_ && view_->accessibleItems().contains(item_); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(view_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!view_) return {};
    switch (t) {
      case QAccessible::Name:
        return view_->itemName(item_);
      case QAccessible::Value:
        return view_->itemValue(item_);
      case QAccessible::Description:
        return view_->itemDescription(item_);
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!view_) return {};
    const QRect local = view_->itemRect(item_).toAlignedRect();
    return QRect(view_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override {
    switch (item_.kind) {
      case TableItem::Hand1:
        return QAccessible::Button;
      case TableItem::Counter:
        return QAccessible::EditableText;
      case TableItem::Name:
        return QAccessible::StaticText;
      default:
        return QAccessible::Graphic;
    }
  }
  QAccessible::State state() const override {
    QAccessible::State st;
    if (!view_) return st;
    if (item_.kind == TableItem::Counter) {
      st.readOnly = true;
    }
    if (item_.kind == TableItem::Hand1) {
      st.focusable = true;
      st.focused = view_->hasFocus() && view_->focusedCard() == item_.index;
      st.disabled = !view_->isEnabled() || !playable();
    }
    return st;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface && item_.kind == TableItem::Hand1) {
      return static_cast<QAccessibleActionInterface*>(this);
    }
    if (type == QAccessible::TextInterface && item_.kind == TableItem::Counter) {
      return static_cast<QAccessibleTextInterface*>(this);
    }
    return nullptr;
  }

  // The counter's number as read-only text.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override {
    return text(QAccessible::Value).mid(start, end < 0 ? -1 : end - start);
  }
  int characterCount() const override { return static_cast<int>(text(QAccessible::Value).size()); }
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint&) const override { return 0; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (view_ && name == pressAction()) view_->activateCard(item_.index);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  bool playable() const { return view_->handPositionEnabled(item_.index); }

  QPointer<TableView> view_;
  TableItem item_;
};

// The table as a screen reader sees it: a pane whose children are the
// shown card slots and counters.
class TableAccessible : public QAccessibleWidget {
 public:
  explicit TableAccessible(TableView* view)
      : QAccessibleWidget(view, QAccessible::Pane, TableView::tr("طاولة اللعب")) {}

  int childCount() const override { return static_cast<int>(view()->accessibleItems().size()); }
  QAccessibleInterface* child(int i) const override {
    const QList<TableItem> items = view()->accessibleItems();
    if (i < 0 || i >= items.size()) return nullptr;
    return QAccessible::accessibleInterface(view()->itemId(items[i]));
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (child(i) == c) return i;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPointF local = view()->mapFromGlobal(QPoint(x, y));
    const QList<TableItem> items = view()->accessibleItems();
    // Later items are drawn over earlier ones in the hand: look from the top.
    const int hand = view()->handPositionAt(local);
    for (int i = 0; i < items.size(); ++i) {
      if (items[i].kind == TableItem::Hand1 && items[i].index == hand) return child(i);
    }
    for (int i = 0; i < items.size(); ++i) {
      if (items[i].kind != TableItem::Hand1 && view()->itemRect(items[i]).contains(local)) {
        return child(i);
      }
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const QList<TableItem> items = view()->accessibleItems();
    const TableItem focused{TableItem::Hand1, view()->focusedCard()};
    const int i = static_cast<int>(items.indexOf(focused));
    return i >= 0 ? child(i) : nullptr;
  }

 private:
  TableView* view() const { return static_cast<TableView*>(widget()); }
};

QAccessibleInterface* tableAccessibleFactory(const QString& classname, QObject* object) {
  if (classname == QLatin1String("qorza::TableView") && object && object->isWidgetType()) {
    return new TableAccessible(static_cast<TableView*>(object));
  }
  return nullptr;
}

}  // namespace

void installTableAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(tableAccessibleFactory);
    return true;
  }();
  Q_UNUSED(installed);
}

QList<TableItem> TableView::accessibleItems() const {
  QList<TableItem> items;
  for (int k : handReadingOrder()) items.append({TableItem::Hand1, k});
  for (int i = 1; i <= 10; ++i) {
    if (game_.game(i).Visible) items.append({TableItem::Table, i});
  }
  for (int k = 1; k <= 6; ++k) {
    if (game_.Player2(k).Visible) items.append({TableItem::Hand2, k});
  }
  for (int i = 1; i <= 10; ++i) {
    if (game_.img_card1(i).Visible) items.append({TableItem::Points1, i});
  }
  for (int i = 1; i <= 6; ++i) {
    if (game_.img_qorza1(i).Visible) items.append({TableItem::Qorza1, i});
  }
  for (int i = 1; i <= 10; ++i) {
    if (game_.img_card2(i).Visible) items.append({TableItem::Points2, i});
  }
  for (int i = 1; i <= 6; ++i) {
    if (game_.img_qorza2(i).Visible) items.append({TableItem::Qorza2, i});
  }
  for (int i = 1; i <= 7; ++i) {
    if (counterBox(i).Visible) items.append({TableItem::Counter, i});
  }
  for (int player = 1; player <= 2; ++player) {
    if (game_.lbl_n_player(player).Visible) items.append({TableItem::Name, player});
  }
  return items;
}

const CardSlot& TableView::itemSlot(const TableItem& item) const {
  switch (item.kind) {
    case TableItem::Hand1:
      return game_.Player1(item.index);
    case TableItem::Hand2:
      return game_.Player2(item.index);
    case TableItem::Table:
      return game_.game(item.index);
    case TableItem::Points1:
      return game_.img_card1(item.index);
    case TableItem::Points2:
      return game_.img_card2(item.index);
    case TableItem::Qorza1:
      return game_.img_qorza1(item.index);
    case TableItem::Qorza2:
      return game_.img_qorza2(item.index);
    case TableItem::Counter:
    case TableItem::Name:
      break;
  }
  return game_.img_swap;
}

QString TableView::itemName(const TableItem& item) const {
  if (item.kind == TableItem::Name) {
    return shownName(game_.lbl_n_player(item.index).Caption);  // the whole name, elided or not
  }
  if (item.kind == TableItem::Counter) {
    QString name = spokenCaption(counterCaption(item.index - 1));
    if (item.index <= 6) {
      name += QStringLiteral(" - ") + shownName(game_.PlayerName(item.index <= 3 ? 1 : 2));
    }
    return name;
  }
  if (item.kind == TableItem::Hand2) {
    return cardName(kDeckBack);  // the computer's cards are face down
  }
  return cardName(itemSlot(item).Picture);
}

QString TableView::itemValue(const TableItem& item) const {
  switch (item.kind) {
    case TableItem::Counter:
      return fromStd(counterBox(item.index).Text);
    case TableItem::Qorza1:
      return fromStd(game_.lbl_qorza1(item.index).Caption);
    case TableItem::Qorza2:
      return fromStd(game_.lbl_qorza2(item.index).Caption);
    default:
      return {};
  }
}

QString TableView::itemDescription(const TableItem& item) const {
  const QString p1 = shownName(game_.PlayerName(1));
  const QString p2 = shownName(game_.PlayerName(2));
  switch (item.kind) {
    case TableItem::Hand1:
      return tr("ورقة في يدك - المفتاح %1").arg(shownHint(game_.Label1(item.index).Caption));
    case TableItem::Hand2:
      return tr("في يد %1").arg(p2);
    case TableItem::Table:
      return tr("على الأرض");
    case TableItem::Points1:
      return tr("ورقة نقاط - %1").arg(p1);
    case TableItem::Points2:
      return tr("ورقة نقاط - %1").arg(p2);
    case TableItem::Qorza1:
      return QStringLiteral("Qorza - ") + p1 + QStringLiteral(" - ") + itemValue(item);
    case TableItem::Qorza2:
      return QStringLiteral("Qorza - ") + p2 + QStringLiteral(" - ") + itemValue(item);
    case TableItem::Name:
      return item.index == 1 ? tr("اسم اللاعب الأول") : tr("اسم اللاعب الثاني");
    case TableItem::Counter:
      break;
  }
  return {};
}

unsigned TableView::itemId(const TableItem& item) {
  const int key = static_cast<int>(item.kind) * 100 + item.index;
  auto found = accessibleIds_.constFind(key);
  if (found == accessibleIds_.constEnd()) {
    found = accessibleIds_.insert(
        key, QAccessible::registerAccessibleInterface(new TableItemAccessible(this, item)));
  }
  return found.value();
}

}  // namespace qorza

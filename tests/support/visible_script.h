// SPDX-License-Identifier: GPL-3.0-or-later
// Window tests: every text a window shows or tells a screen reader, and the
// words among them that are not of the window's language.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTableWidget>
#include <QWidget>

#include "ui/language.h"
#include "ui/table_view.h"

namespace qorza::test {

inline void addTableTexts(const QTableWidget* t, QStringList& texts) {
  for (int c = 0; c < t->columnCount(); ++c) {
    if (const QTableWidgetItem* h = t->horizontalHeaderItem(c)) texts << h->text() << h->toolTip();
  }
  for (int r = 0; r < t->rowCount(); ++r) {
    if (const QTableWidgetItem* h = t->verticalHeaderItem(r)) texts << h->text();
    for (int c = 0; c < t->columnCount(); ++c) {
      if (const QTableWidgetItem* i = t->item(r, c)) {
        texts << i->text() << i->toolTip() << i->data(Qt::AccessibleDescriptionRole).toString();
      }
    }
  }
}

// The texts of window and its controls: captions, contents, tooltips,
// accessible names and descriptions, menus, grid cells, the table's items.
// The language menu names both languages and is left out.
inline QStringList visibleTexts(QWidget* window) {
  QStringList texts{window->windowTitle()};
  QList<QWidget*> all = window->findChildren<QWidget*>();
  all.prepend(window);
  for (QWidget* w : all) {
    if (w->objectName() == QLatin1String("languageMenu")) continue;
    texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
    if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) texts << e->text() << e->placeholderText();
    if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
    if (auto* c = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
    }
    if (auto* t = qobject_cast<QTableWidget*>(w)) addTableTexts(t, texts);
    if (auto* list = qobject_cast<QListWidget*>(w)) {
      for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    }
    if (auto* m = qobject_cast<QMenu*>(w)) {
      texts << m->title();
      for (const QAction* a : m->actions()) {
        if (a->menu() == nullptr || a->menu()->objectName() != QLatin1String("languageMenu")) {
          texts << a->text();
        }
      }
    }
    if (auto* v = qobject_cast<TableView*>(w)) {
      for (const TableItem& item : v->accessibleItems()) {
        texts << v->itemName(item) << v->itemDescription(item) << v->itemValue(item);
      }
    }
  }
  texts.removeAll(QString());
  return texts;
}

// Each text of window with a word of the other language: an Arabic letter
// in English; in Arabic, a Latin word other than the game's name, "PC" and
// the few the design writes in Latin letters.
inline QStringList foreignWords(QWidget* window) {
  static const QRegularExpression arabic(
      QStringLiteral("[\\x{0600}-\\x{06FF}\\x{FE70}-\\x{FEFF}]"));
  static const QRegularExpression latin(QStringLiteral("[A-Za-z]+"));
  static const QStringList designLatin = {"Qorza", "PC", "GPL", "Help", "Welcome"};
  QStringList faults;
  for (const QString& text : visibleTexts(window)) {
    if (currentLanguage() == Language::English) {
      if (text.contains(arabic)) faults << QStringLiteral("Arabic in \"%1\"").arg(text);
      continue;
    }
    for (const auto& m : latin.globalMatch(text)) {
      if (!designLatin.contains(m.captured())) {
        faults << QStringLiteral("\"%1\" in \"%2\"").arg(m.captured(), text);
      }
    }
  }
  return faults;
}

}  // namespace qorza::test

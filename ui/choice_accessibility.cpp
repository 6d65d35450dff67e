// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/choice_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

namespace qorza {

namespace {

const char* const kChoiceProperty = "qorzaChoice";
const char* const kChosenProperty = "qorzaChosen";

class ChoiceAccessible : public QAccessibleWidget {
 public:
  explicit ChoiceAccessible(QWidget* picture)
      : QAccessibleWidget(picture, QAccessible::RadioButton) {}

  QAccessible::State state() const override {
    QAccessible::State st = QAccessibleWidget::state();
    st.checkable = true;
    st.checked = widget()->property(kChosenProperty).toBool();
    return st;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name != pressAction()) return;
    const QPointF centre = QRectF(widget()->rect()).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent click(type, centre, widget()->mapToGlobal(centre), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                        Qt::NoModifier);
      QCoreApplication::sendEvent(widget(), &click);
    }
  }
};

QAccessibleInterface* choiceFactory(const QString& classname, QObject* object) {
  if (classname == QLatin1String("QLabel") && object &&
      object->property(kChoiceProperty).toBool()) {
    return new ChoiceAccessible(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

void makeAccessibleChoice(QLabel* picture, const QString& name) {
  static const bool installed = [] {
    QAccessible::installFactory(choiceFactory);
    return true;
  }();
  Q_UNUSED(installed);
  picture->setProperty(kChoiceProperty, true);
  picture->setAccessibleName(name);
}

void setChoiceChosen(QLabel* picture, bool chosen) {
  if (picture->property(kChosenProperty).toBool() == chosen) {
    return;
  }
  picture->setProperty(kChosenProperty, chosen);
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(picture, changed);
  QAccessible::updateAccessibility(&event);
}

}  // namespace qorza

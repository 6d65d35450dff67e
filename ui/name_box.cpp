// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/name_box.h"

#include <QTimer>

#include "game/bounds.h"

namespace qorza {

namespace {

const QColor kRefusedBase(255, 220, 220);
const QColor kRefusedText(192, 0, 0);

}  // namespace

NameBox::NameBox(const QString& text, QWidget* parent) : QLineEdit(parent) {
  setMaxLength(bounds::kMaxNameLength);
  setText(text);
  setToolTip(tr("الاسم حتى %1 حرف").arg(bounds::kMaxNameLength));
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (marked_ && holdsName()) {
      setMarked(false);
    }
  });
}

bool NameBox::holdsName() const { return !text().trimmed().isEmpty(); }

void NameBox::refuse() {
  if (!holdsName()) {
    clear();  // spaces only: the box shows what it lacks
  }
  setMarked(true);
  setFocus(Qt::OtherFocusReason);
  selectAll();
}

void NameBox::setMarked(bool marked) {
  if (marked == marked_) {
    return;
  }
  if (marked) {
    plain_ = palette();
    QPalette red = plain_;
    red.setColor(QPalette::Base, kRefusedBase);
    red.setColor(QPalette::PlaceholderText, kRefusedText);
    setPalette(red);
    setPlaceholderText(tr("اكتب اسمًا هنا"));
  } else {
    setPalette(plain_);
    setPlaceholderText(QString());
  }
  marked_ = marked;
}

void NameBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void NameBox::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  selectAll();
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/back_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cstdlib>

namespace qorza {

BackPicture::BackPicture(int index, QWidget* parent) : QLabel(parent), index_(index) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::ClickFocus);
}

void BackPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit chosen(index_);
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

BackPicture* BackPicture::neighbour(int key) const {
  QList<BackPicture*> backs = parentWidget()->findChildren<BackPicture*>();
  const auto rowOf = [](const BackPicture* b) { return b->geometry().center().y(); };
  const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
  // Reading order: the upper row first, each row from its reading start.
  std::sort(backs.begin(), backs.end(), [&](const BackPicture* a, const BackPicture* b) {
    if (std::abs(rowOf(a) - rowOf(b)) > a->height() / 2) {
      return rowOf(a) < rowOf(b);
    }
    return rightToLeft ? a->x() > b->x() : a->x() < b->x();
  });
  const auto here = backs.indexOf(const_cast<BackPicture*>(this));
  const auto count = backs.size();
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
      const bool forward = (key == Qt::Key_Left) == rightToLeft;
      return backs[(here + (forward ? 1 : count - 1)) % count];
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
      // The nearest back straight above or below; none past the edge rows.
      BackPicture* best = nullptr;
      for (BackPicture* b : backs) {
        const int dy = rowOf(b) - rowOf(this);
        if (std::abs(dy) <= height() / 2 || (dy > 0) != (key == Qt::Key_Down)) {
          continue;
        }
        const auto distance = [&](const BackPicture* c) {
          return std::abs(c->geometry().center().x() - geometry().center().x()) +
                 std::abs(rowOf(c) - rowOf(this));
        };
        if (best == nullptr || distance(b) < distance(best)) {
          best = b;
        }
      }
      return best;
    }
    default:
      return nullptr;
  }
}

void BackPicture::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
    QLabel::keyPressEvent(event);
    return;
  }
  if (event->key() == Qt::Key_Space) {
    emit chosen(index_);
    return;
  }
  if (BackPicture* next = neighbour(event->key())) {
    next->setFocus(Qt::TabFocusReason);
    emit next->chosen(next->index());
    return;
  }
  QLabel::keyPressEvent(event);
}

void BackPicture::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) {
    return;
  }
  QPainter painter(this);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  focus.rect = rect();
  focus.palette.setColor(QPalette::WindowText, Qt::black);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

}  // namespace qorza

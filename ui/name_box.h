// SPDX-License-Identifier: GPL-3.0-or-later
// A player's name box, as both option dialogs have it: a click or the focus
// selects the whole name so that typing replaces it, no longer a name than
// the game keeps, and a visible mark when an OK is refused for want of a
// name.
#pragma once

#include <QLineEdit>

namespace qorza {

class NameBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit NameBox(const QString& text, QWidget* parent = nullptr);

  // No letter but spaces: the box holds no name.
  bool holdsName() const;
  // An OK found no name here: the focus comes to the box, which is marked
  // until a name is typed.
  void refuse();
  bool marked() const { return marked_; }

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void setMarked(bool marked);

  QPalette plain_;
  bool marked_ = false;
};

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// One of the further-options dialog's card backs: a picture that a click
// chooses, and the keys too. The arrows move among the backs of its frame,
// choosing the one they reach; the back with the focus wears the focus mark.
#pragma once

#include <QLabel>

namespace qorza {

class BackPicture : public QLabel {
  Q_OBJECT

 public:
  BackPicture(int index, QWidget* parent);

  // The back's number as the dialog's pictures are numbered (Image1).
  int index() const { return index_; }

 signals:
  void chosen(int index);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The back an arrow leads to, in the frame's reading order (right to
  // left, then down), or to the nearer back of the other row.
  BackPicture* neighbour(int key) const;

  int index_;
};

}  // namespace qorza

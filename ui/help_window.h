// SPDX-License-Identifier: GPL-3.0-or-later
// The help window with the rules of the game; OK hides it.
#pragma once

#include <QDialog>

namespace qorza {

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // The Contents command: shows it modally.
  void showModal();

  // The number of text pieces the rules are laid out in.
  static constexpr int kPieces = 20;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fitPieces();
  void fitOk();
};

}  // namespace qorza

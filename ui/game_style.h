// SPDX-License-Identifier: GPL-3.0-or-later
// The look all windows share, whatever the desktop: access-key underlines
// only while Alt is held (an underline under an Arabic letter reads as a dot
// and changes the word), message-box buttons without icons, frames whose top
// line runs through the middle of their caption, and a clear focus mark.
#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <QProxyStyle>

class QPushButton;
class QRadioButton;
class QStyleOptionGroupBox;

namespace qorza {

class GameStyle : public QProxyStyle {
  Q_OBJECT

 public:
  GameStyle();

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

  // Where a push button's focus mark runs, in the button's pixels.
  static QRect pushButtonFocusRect(const QPushButton* button);
  QRect focusMarkOf(const QStyleOption* option, const QWidget* widget) const;

  // Alt is held now: access keys are underlined.
  bool altHeld() const { return altHeld_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setAltHeld(bool held);
  void drawFrame(const QStyleOptionGroupBox* option, QPainter* painter) const;

  bool altHeld_ = false;
};

// Makes the game's style the application's; the application owns it.
void installGameStyle();

// A window's own colours, so that a dark desktop theme cannot change them:
// its background and text, white boxes with black text, and bevels drawn
// from the background.
QPalette windowPalette(const QColor& background, const QColor& text);

// The grey of the dialogs and their frames.
inline const QColor kDialogFace(192, 192, 192);

// Tab reaches a group of option buttons on its checked button, and leaves
// the group with the next Tab; the arrows still move within the group.
void tabToCheckedOption(const QList<QRadioButton*>& group);

// A dialog placed for right-to-left reading, turned for the reading of the
// window's layout direction: in left to right, every control of window and
// of its frames takes the mirror place within its parent.
void placeForReading(QWidget* window);

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace qorza {

namespace {

// Gap between a frame's caption and the cut in its top line.
constexpr int kCaptionPadding = 3;
// The caption starts this far from the frame's reading-start edge.
constexpr int kCaptionIndent = 8;

QString withoutAccessMarks(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  return text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

// The letters of a frame's caption, relative to its baseline. Arabic faces
// keep much room above and below their letters; the caption takes only the
// room its letters need.
QRect captionInk(const QStyleOptionGroupBox* box) {
  return box->fontMetrics.tightBoundingRect(withoutAccessMarks(box->text));
}

}  // namespace

GameStyle::GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int GameStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* data) const {
  switch (hint) {
    case SH_UnderlineShortcut:
      return altHeld_ ? 1 : 0;
    case SH_DialogButtonBox_ButtonsHaveIcons:
      return 0;  // an icon beside "نعم" pushes the word against the border
    default:
      return QProxyStyle::styleHint(hint, option, widget, data);
  }
}

// A frame: its top line through the middle of the caption, the caption at
// the reading start, the controls below the caption.
QRect GameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl sub, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || box == nullptr) {
    return QProxyStyle::subControlRect(control, option, sub, widget);
  }
  const QRect r = box->rect;
  const QFontMetrics& fm = box->fontMetrics;
  const int captionHeight = captionInk(box).height() + 2;
  const QRect lines = r.adjusted(0, captionHeight / 2, 0, 0);
  switch (sub) {
    case SC_GroupBoxFrame:
      return lines;
    case SC_GroupBoxContents:
      return r.adjusted(2, captionHeight, -2, -2);
    case SC_GroupBoxLabel: {
      const int width = fm.horizontalAdvance(withoutAccessMarks(box->text));
      const int left = box->direction == Qt::RightToLeft ? r.right() + 1 - kCaptionIndent - width
                                                         : r.left() + kCaptionIndent;
      return {left, r.top(), width, captionHeight};
    }
    default:
      return QRect();
  }
}

void GameStyle::drawFrame(const QStyleOptionGroupBox* option, QPainter* painter) const {
  const QRect lines = subControlRect(CC_GroupBox, option, SC_GroupBoxFrame, nullptr);
  const QRect caption = subControlRect(CC_GroupBox, option, SC_GroupBoxLabel, nullptr);
  const QPalette& pal = option->palette;
  painter->save();
  painter->fillRect(lines, pal.window());
  QPainterPath outside;
  outside.addRect(option->rect);
  QPainterPath gap;
  gap.addRect(caption.adjusted(-kCaptionPadding, 0, kCaptionPadding, 0));
  painter->setClipPath(outside.subtracted(gap));
  // Etched: a dark line with a light one beside it.
  painter->setPen(pal.color(QPalette::Dark));
  painter->drawRect(lines.adjusted(0, 0, -2, -2));
  painter->setPen(pal.color(QPalette::Light));
  painter->drawRect(lines.adjusted(1, 1, -1, -1));
  painter->setClipping(false);
  painter->setPen(pal.color(QPalette::WindowText));
  // The line box placed so that the letters sit one pixel below the top.
  const QFontMetrics& fm = option->fontMetrics;
  const int baseline = caption.top() + 1 - captionInk(option).top();
  const QRect line(caption.left(), baseline - fm.ascent(), caption.width(), fm.height());
  const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip |
                    (altHeld_ ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
  painter->drawText(line, flags, option->text);
  painter->restore();
}

void GameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control == CC_GroupBox && box != nullptr) {
    drawFrame(box, painter);
    return;
  }
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  // A list box that is not typed into: the mark inside its edge, as on a button.
  const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
  if (control == CC_ComboBox && combo != nullptr && !combo->editable &&
      (option->state & State_HasFocus)) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(*option);
    focus.rect = option->rect.adjusted(2, 3, -2, -3);
    focus.palette.setColor(QPalette::WindowText, option->palette.color(QPalette::ButtonText));
    drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
  }
  // A scroll bar with the focus: the mark on its handle, which the keys move.
  if (control == CC_ScrollBar && (option->state & State_HasFocus)) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(*option);
    focus.rect = subControlRect(control, option, SC_ScrollBarSlider, widget).adjusted(2, 2, -2, -2);
    focus.palette.setColor(QPalette::WindowText, option->palette.color(QPalette::ButtonText));
    drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
  }
}

// The focus mark: a dotted outline in the text's colour, shown whether the
// focus came by mouse or keyboard.
void GameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  if (element != PE_FrameFocusRect) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  painter->save();
  QPen pen(option->palette.color(QPalette::WindowText), 1, Qt::DotLine);
  painter->setPen(pen);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
  painter->restore();
}

void GameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
  // The menu reached by Alt or F10 (the menu bar has the keyboard) is lit as
  // an open menu is, so that the arrows and Enter are seen to work on it.
  if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
      element == CE_MenuBarItem && item != nullptr && (item->state & State_Selected) &&
      !(item->state & State_Sunken) && widget != nullptr && widget->hasFocus()) {
    QStyleOptionMenuItem lit = *item;
    lit.state |= State_Sunken;
    QProxyStyle::drawControl(element, &lit, painter, widget);
    return;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
  if (element == CE_PushButton && (option->state & State_HasFocus)) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(*option);
    focus.rect = focusMarkOf(option, widget);
    focus.palette.setColor(QPalette::WindowText, option->palette.color(QPalette::ButtonText));
    drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
  }
}

QRect GameStyle::focusMarkOf(const QStyleOption* option, const QWidget* widget) const {
  return subElementRect(SE_PushButtonFocusRect, option, widget).adjusted(2, 2, -2, -2);
}

QRect GameStyle::pushButtonFocusRect(const QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  if (const auto* style = qobject_cast<const GameStyle*>(button->style())) {
    return style->focusMarkOf(&option, button);
  }
  return button->style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, button);
}

bool GameStyle::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Alt || key->key() == Qt::Key_AltGr) {
        setAltHeld(event->type() == QEvent::KeyPress);
      }
      break;
    }
    case QEvent::ApplicationDeactivate:
    case QEvent::WindowDeactivate:
      setAltHeld(false);
      break;
    default:
      break;
  }
  return QProxyStyle::eventFilter(watched, event);
}

void GameStyle::setAltHeld(bool held) {
  if (held == altHeld_) {
    return;
  }
  altHeld_ = held;
  for (QWidget* w : QApplication::allWidgets()) {
    w->update();
  }
}

void installGameStyle() {
  auto* style = new GameStyle;
  QApplication::setStyle(style);
  qApp->installEventFilter(style);
}

QPalette windowPalette(const QColor& background, const QColor& text) {
  QPalette pal(text, background, background.lighter(150), background.darker(200),
               background.darker(150), text, Qt::white, Qt::white, background);
  pal.setColor(QPalette::Base, Qt::white);
  pal.setColor(QPalette::Text, Qt::black);
  pal.setColor(QPalette::ButtonText, Qt::black);
  pal.setColor(QPalette::Button, QColor(212, 208, 200));
  pal.setColor(QPalette::Highlight, QColor(0, 0, 128));
  pal.setColor(QPalette::HighlightedText, Qt::white);
  pal.setColor(QPalette::PlaceholderText, Qt::darkGray);
  pal.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  pal.setColor(QPalette::ToolTipText, Qt::black);
  pal.setColor(QPalette::Disabled, QPalette::WindowText, background.darker(160));
  pal.setColor(QPalette::Disabled, QPalette::ButtonText, background.darker(160));
  pal.setColor(QPalette::Disabled, QPalette::Text, background.darker(160));
  return pal;
}

void tabToCheckedOption(const QList<QRadioButton*>& group) {
  const auto update = [group] {
    for (QRadioButton* b : group) {
      b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
  };
  for (QRadioButton* b : group) {
    QObject::connect(b, &QRadioButton::toggled, b, update);
  }
  update();
}

void placeForReading(QWidget* window) {
  if (window->layoutDirection() == Qt::RightToLeft) {
    return;
  }
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow()) {
      continue;
    }
    child->move(window->width() - child->x() - child->width(), child->y());
    // Frames hold controls of their own; other widgets place their parts.
    if (qobject_cast<QGroupBox*>(child) != nullptr ||
        child->metaObject() == &QWidget::staticMetaObject) {
      placeForReading(child);
    }
  }
}

}  // namespace qorza

// SPDX-License-Identifier: GPL-3.0-or-later
// Twips, the unit the windows' layouts are given in: 15 to the pixel at the
// given size. The table scales through its own TwipsTransform; a dialog
// converts through a DialogTwips, which grows the whole dialog by one factor
// when its font needs more room than the layout gives a line of text.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>

namespace qorza {

inline constexpr int kTwipsPerPixel = 15;

// The window's table measures 9480 x 6435 twips, but player 1's hand
// reaches 5145 + 1455 = 6600 twips down: the drawn table is that much
// taller, 632 x 440 pixels at 15 twips each, so that no slot is cut off.
inline constexpr int kTableTwipsWidth = 9480;
inline constexpr int kTableTwipsHeight = 6600;

// The table's twips to pixels: a uniform scale and the place of the table's
// corner.
struct TwipsTransform {
  double scale = 1.0 / kTwipsPerPixel;  // pixels per twip
  QPointF offset;                       // where twips (0, 0) lands

  QRectF rect(double left, double top, double width, double height) const;
  QPointF toTwips(QPointF pixels) const;
  double pixels(double twips) const { return twips * scale; }
  // Scale relative to the table's given size (1 at 632 x 440 pixels).
  double zoom() const { return scale * kTwipsPerPixel; }

  // The table as large as fits area with its proportions kept, centred,
  // never smaller than its given size.
  static TwipsTransform fitting(QSizeF area);
};

// Twips to whole pixels, to the nearest pixel.
constexpr int dialogPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// A dialog control's place, given in twips from the dialog's left edge.
inline QRect dialogRect(int left, int top, int width, int height) {
  return {dialogPixels(left), dialogPixels(top), dialogPixels(width), dialogPixels(height)};
}

// One dialog's twips to pixels: 15 to the pixel, times the dialog's factor.
class DialogTwips {
 public:
  explicit DialogTwips(double factor = 1.0) : factor_(factor) {}

  // The factor that gives the font's tallest Arabic line the room the layout
  // gives a line of text (195 twips); never below 1.
  static DialogTwips forFont(const QFont& font);

  double factor() const { return factor_; }
  int pixels(int twips) const;
  // Edges are converted, not sizes, so that controls that meet in twips
  // still meet in pixels.
  QRect rect(int left, int top, int width, int height) const;

 private:
  double factor_;
};

}  // namespace qorza

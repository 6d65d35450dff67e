// Twips, the unit the windows' layouts are given in: 15 to the pixel at the
// given size. The table scales through its own transform; a dialog converts
// through a DialogTwips, which grows the whole dialog by one factor when its
// font needs more room than the layout gives a line of text.
#pragma once

#include <QFont>
#include <QRect>

namespace qorza {

inline constexpr int kTwipsPerPixel = 15;

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

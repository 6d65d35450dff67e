// Twips, the unit the windows' layouts are given in: 15 to the pixel at the
// given size. The table scales through its own transform; the dialogs keep
// their given sizes and convert with these.
#pragma once

#include <QRect>

namespace qorza {

inline constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, to the nearest pixel.
constexpr int dialogPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// A dialog control's place, given in twips from the dialog's left edge.
inline QRect dialogRect(int left, int top, int width, int height) {
  return {dialogPixels(left), dialogPixels(top), dialogPixels(width), dialogPixels(height)};
}

}  // namespace qorza

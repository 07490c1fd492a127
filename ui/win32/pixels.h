#pragma once

#include <windows.h>

#include "form/design.h"

namespace orunika::win32 {

// The one place where twips become pixels, at the window's dots per inch.
inline int Pixels(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), design::TwipsPerInch);
}

// At 96 dots per inch every edge lands on a whole pixel; at 144 the odd multiples of 15 twips land
// on half pixels, which MulDiv rounds up. The right and bottom edges are rounded, never the sizes,
// so that controls that meet in twips still meet in pixels and each size is off by half a pixel at
// most.
inline RECT PixelRect(const design::ControlDesign& control, UINT dpi) {
  return {Pixels(control.left, dpi), Pixels(control.top, dpi),
          Pixels(control.left + control.width, dpi), Pixels(control.top + control.height, dpi)};
}

// The font's em height, as CreateFont takes it: negative, in pixels.
inline int FontHeight(UINT dpi) {
  constexpr int tenThousandthsOfAPointPerInch = 72 * 10000;
  return -MulDiv(design::FontTenThousandthsOfAPoint, static_cast<int>(dpi),
                 tenThousandthsOfAPointPerInch);
}

}  // namespace orunika::win32

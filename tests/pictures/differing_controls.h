// Names the controls whose rectangles hold a pixel that differs from the reference picture, so that
// a failed picture says where to look. Toolkit-free: each drawing hands in its own comparison.
#pragma once

#include <string>

#include "form/design.h"

namespace orunika::pictures {

// `differs(x, y)` tells whether the pixel at (x, y) of the drawn client area differs; the window is
// drawn at `pixelsPerInch`. Every pixel is asked once. Nothing differing gives the empty text.
template <typename Differs>
std::string DifferingControls(double pixelsPerInch, int width, int height, Differs differs) {
  const double scale = pixelsPerInch / design::TwipsPerInch;
  std::string names;
  bool differing = false;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (!differs(x, y)) continue;
      differing = true;
      for (const design::ControlDesign& c : design::Controls) {
        const std::string name = " " + std::string(c.name) + " ";
        if (x >= c.left * scale && x < (c.left + c.width) * scale && y >= c.top * scale &&
            y < (c.top + c.height) * scale && names.find(name) == std::string::npos)
          names += name;
      }
    }
  }
  return differing && names.empty() ? " the form's background" : names;
}

}  // namespace orunika::pictures

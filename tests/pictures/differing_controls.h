// Names the controls whose rectangles hold a pixel that differs from the reference picture, so that
// a failed picture says where to look. Toolkit-free: each drawing hands in its own comparison.
#pragma once

#include <string>

#include "form/design.h"

namespace orunika::pictures {

// `differs(x, y)` tells whether the pixel at (x, y) of the drawn client area differs; the window is
// drawn at `pixelsPerInch`, so that a twip is pixelsPerInch / 1440 of a pixel.
template <typename Differs>
std::string DifferingControls(double pixelsPerInch, int width, int height, Differs differs) {
  std::string names;
  int outside = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (!differs(x, y)) continue;
      bool inControl = false;
      for (const design::ControlDesign& control : design::Controls) {
        const double scale = pixelsPerInch / design::TwipsPerInch;
        if (x >= control.left * scale && x < (control.left + control.width) * scale &&
            y >= control.top * scale && y < (control.top + control.height) * scale) {
          inControl = true;
          const std::string name(control.name);
          if (names.find(" " + name + " ") == std::string::npos) names += " " + name + " ";
        }
      }
      outside += inControl ? 0 : 1;
    }
  }
  if (outside > 0) names += " (" + std::to_string(outside) + " pixels outside every control) ";
  return names;
}

}  // namespace orunika::pictures

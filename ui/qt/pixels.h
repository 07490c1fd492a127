#pragma once

#include <QRect>

#include "form/design.h"

namespace orunika::ui {

// Qt lays out in logical pixels of 96 to the inch and scales them for the screen itself, so a
// twip is always a fifteenth of a logical pixel here.
constexpr int Pixels(int twips) { return twips * 96 / design::TwipsPerInch; }

constexpr QRect PixelRect(const design::ControlDesign& control) {
  return {Pixels(control.left), Pixels(control.top), Pixels(control.width), Pixels(control.height)};
}

}  // namespace orunika::ui

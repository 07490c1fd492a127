#pragma once

#include <QFont>
#include <QPalette>

#include "form/design.h"

namespace orunika::ui {

// 14.25 pt regular, in the first of the window's gothic families that is installed, or else in
// any Japanese gothic font there is, so that no text becomes boxes of missing glyphs.
QFont CalculatorFont();

// Black text on the control's own background, whatever the desktop's colour scheme.
QPalette PaletteFor(design::Rgb background);

// Black on the classic pale yellow, so that a dark desktop theme leaves the hints readable.
QPalette ToolTipPalette();

}  // namespace orunika::ui

#pragma once

#include <QFont>
#include <QPalette>

#include "form/design.h"

class QWidget;

namespace orunika::ui {

// 14.25 pt regular, in the first of the window's gothic families that is installed, or else in
// any Japanese gothic font there is, so that no text becomes boxes of missing glyphs.
QFont CalculatorFont();

// Black text on the control's own background, with the classic scheme's grey and white edges,
// whatever the desktop's colour scheme.
QPalette PaletteFor(design::Rgb background);

// PaletteFor a control, and what the Windows style draws with besides, as the classic scheme
// draws it: a text box's inner edge in the face colour, an option button's well in white.
QPalette ControlPalette(const QWidget& control, design::Rgb background);

// Draws the window and the controls it holds now with Qt's Windows style, as the Windows program
// looks: sunken boxes, classic option buttons, a dotted focus rectangle. A widget's style reaches
// none of its children, so each control gets it; Qt's own popups, the tooltips and the context
// menu, keep the desktop's style.
void DrawInTheClassicStyle(QWidget& window);

// Black on the classic pale yellow, so that a dark desktop theme leaves the hints readable.
QPalette ToolTipPalette();

}  // namespace orunika::ui

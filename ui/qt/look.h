// How the form's design turns into Qt's terms: pixels, texts, the font, the colours, the style
// and the icon, the same whatever the desktop's theme.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QStringView>
#include <string_view>

#include "form/design.h"

class QWidget;

namespace orunika::ui {

// The model's texts are UTF-16 already; Qt takes them as they are.
inline QString ToQString(std::u16string_view text) {
  return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

// The design's names are ASCII.
inline QString ToQString(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Qt lays out in logical pixels of 96 to the inch and scales them for the screen itself, so a
// twip is always a fifteenth of a logical pixel here.
constexpr int Pixels(int twips) { return twips * 96 / design::TwipsPerInch; }

constexpr QRect PixelRect(const design::ControlDesign& control) {
  return {Pixels(control.left), Pixels(control.top), Pixels(control.width), Pixels(control.height)};
}

inline Qt::Alignment Horizontal(design::Align align) {
  return align == design::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

// 14.25 pt regular, in the first of the window's gothic families that is installed, or else in
// any Japanese gothic font there is, so that no text becomes boxes of missing glyphs.
QFont CalculatorFont();

// Black text on the control's own background, with the classic scheme's grey and white edges,
// whatever the desktop's colour scheme.
QPalette PaletteFor(design::Rgb background);

// PaletteFor a text box, and the Windows style's inner lit edge of a sunken box, which it draws in
// the window colour: the classic face colour on Windows, whatever the box's own background.
QPalette TextBoxPalette(design::Rgb background);

// PaletteFor an option button, whose well the Windows style fills with the base colour: the
// classic window colour, white, whatever the form's colour.
QPalette OptionButtonPalette(design::Rgb background);

// Draws the window and the controls it holds now with Qt's Windows style, as the Windows program
// looks: sunken boxes, classic option buttons, a dotted focus rectangle. A widget's style reaches
// none of its children, so each control gets it; Qt's own popups, the tooltips and the context
// menu, keep the desktop's style.
void DrawInTheClassicStyle(QWidget& window);

// Black on the classic pale yellow, so that a dark desktop theme leaves the hints readable.
QPalette ToolTipPalette();

// The globe: blue oceans, green land, drawn for 32 x 32 and for 16 x 16 in 16 colours.
QIcon GlobeIcon();

}  // namespace orunika::ui

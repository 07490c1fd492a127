// The form's design: where each control of `m` stands, in twips, and how it looks. Every view
// reads this one table, through the bindings (bindings.h), for places, sizes, colours, borders,
// tooltips and the tab order; each turns twips into its own pixels in one place. Nothing is laid
// out at run time.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orunika::design {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The classic Windows scheme's colours, fixed so that a dark desktop theme cannot hide any text.
// The text boxes were meant to take the active title bar's text colour, white in that scheme; on
// current desktops that colour is black, which would put black text on black boxes.
inline constexpr Rgb MenuColour{212, 208, 200};       // the form's background
inline constexpr Rgb TitleTextColour{255, 255, 255};  // the text boxes' background
inline constexpr Rgb ResultGrey{224, 224, 224};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb ToolTipYellow{255, 255, 225};

// How a control's text stands across its width; each view places it vertically as its kind of
// control does.
enum class Align : std::uint8_t { Left, Centre };

struct ControlDesign {
  std::string_view name;  // the control's name on the form
  int left;
  int top;
  int width;
  int height;
  int tabIndex;
  Align align;
  std::u16string_view toolTip;
  Rgb background;
  bool border;              // a single-line border
  std::string_view labels;  // the control this caption names, for screen readers
};

inline constexpr std::u16string_view Caption = u"Orunika";

// "ＭＳ Ｐゴシック" 14.25 points, regular, in the Shift-JIS character set.
inline constexpr std::u16string_view FontFace = u"ＭＳ Ｐゴシック";
inline constexpr int FontTenThousandthsOfAPoint = 142500;
inline constexpr int FontWeight = 400;
inline constexpr int FontCharSet = 128;

inline constexpr int TwipsPerInch = 1440;
inline constexpr int ClientWidth = 3270;
inline constexpr int ClientHeight = 1440;

// Four rows 360 twips apart. The caption labels end at 1455, one pixel into the fields to their
// right, and the bottom caption ends one pixel below the client area, clipped there: the window has
// always looked that way.
inline constexpr std::array<ControlDesign, 10> Controls{{
    // name, left, top, width, height, tab index, align, tooltip, background, border, labels
    {"g", 0, 0, 615, 375, 2, Align::Left, u"", MenuColour, false, ""},
    {"Label1", 720, 0, 735, 375, 3, Align::Centre, u"", MenuColour, false, "a"},
    {"a", 1440, 0, 1815, 345, 0, Align::Left, u"飜数を入力します。(例:3飜の場合→3)",
     TitleTextColour, true, ""},
    {"h", 0, 360, 615, 375, 4, Align::Left, u"", MenuColour, false, ""},
    {"Label2", 720, 360, 735, 375, 5, Align::Centre, u"", MenuColour, false, "b"},
    {"b", 1440, 360, 1815, 345, 1, Align::Left, u"符を入力します。(例:25符(七対子)の場合→25)",
     TitleTextColour, true, ""},
    {"e", 0, 720, 1455, 375, 6, Align::Centre, u"", MenuColour, false, "c"},
    {"c", 1440, 720, 1815, 345, 8, Align::Left, u"", ResultGrey, true, ""},
    {"f", 0, 1080, 1455, 375, 7, Align::Centre, u"", MenuColour, false, "d"},
    {"d", 1440, 1080, 1815, 345, 9, Align::Left, u"表示形式は(子.親)です", ResultGrey, true, ""},
}};

// At 96 dots per inch 15 twips make a pixel; every place and size must land on a whole one, so
// that the window at 96 dots per inch is exactly the one that was designed.
constexpr bool FitsThePixelGrid() {
  constexpr int twipsPerPixel = TwipsPerInch / 96;
  for (const ControlDesign& c : Controls) {
    for (int twips : {c.left, c.top, c.width, c.height}) {
      if (twips % twipsPerPixel != 0) return false;
    }
  }
  return ClientWidth % twipsPerPixel == 0 && ClientHeight % twipsPerPixel == 0;
}
static_assert(FitsThePixelGrid(), "every twip value must land on a whole pixel at 96 dpi");

}  // namespace orunika::design

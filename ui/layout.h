// The window's layout: where each control of the form stands, in twips, and how it looks.
// Every place and size is fixed here; nothing is laid out at run time, and twips become pixels
// only in PixelRect.
#pragma once

#include <QRect>
#include <Qt>
#include <array>
#include <cstdint>
#include <string_view>

namespace orunika::ui {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// The classic Windows scheme's colours, fixed so that a dark desktop theme cannot hide any text.
inline constexpr Rgb MenuColour{212, 208, 200};       // the form's background
inline constexpr Rgb TitleTextColour{255, 255, 255};  // the text boxes' background
inline constexpr Rgb ResultGrey{224, 224, 224};
inline constexpr Rgb Black{0, 0, 0};

struct ControlLayout {
  std::string_view name;  // the control's name on the form, and its widget's object name
  int left;
  int top;
  int width;
  int height;
  int tabIndex;
  Qt::Alignment alignment;
  std::u16string_view toolTip;
  Rgb background;
  bool border;
  std::string_view labels;  // the control this caption names, for screen readers
};

inline constexpr int TwipsPerPixel = 15;  // 1440 twips an inch at 96 logical pixels an inch
inline constexpr int ClientWidth = 3270;
inline constexpr int ClientHeight = 1440;

inline constexpr Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignTop;
inline constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignTop;
inline constexpr Qt::Alignment Middle = Qt::AlignLeft | Qt::AlignVCenter;

// Four rows 360 twips apart. The caption labels end at 1455, one pixel into the fields to their
// right, and the bottom caption ends one pixel below the client area, clipped there: the window has
// always looked that way.
inline constexpr std::array<ControlLayout, 10> Layout{{
    // name, left, top, width, height, tab index, alignment, tooltip, background, border, labels
    {"g", 0, 0, 615, 375, 2, Middle, u"", MenuColour, false, ""},
    {"Label1", 720, 0, 735, 375, 3, Centred, u"", MenuColour, false, "a"},
    {"a", 1440, 0, 1815, 345, 0, Middle, u"飜数を入力します。(例:3飜の場合→3)", TitleTextColour,
     true, ""},
    {"h", 0, 360, 615, 375, 4, Middle, u"", MenuColour, false, ""},
    {"Label2", 720, 360, 735, 375, 5, Centred, u"", MenuColour, false, "b"},
    {"b", 1440, 360, 1815, 345, 1, Middle, u"符を入力します。(例:25符(七対子)の場合→25)",
     TitleTextColour, true, ""},
    {"e", 0, 720, 1455, 375, 6, Centred, u"", MenuColour, false, "c"},
    {"c", 1440, 720, 1815, 345, 8, Left, u"", ResultGrey, true, ""},
    {"f", 0, 1080, 1455, 375, 7, Centred, u"", MenuColour, false, "d"},
    {"d", 1440, 1080, 1815, 345, 9, Left, u"表示形式は(子.親)です", ResultGrey, true, ""},
}};

constexpr int Pixels(int twips) { return twips / TwipsPerPixel; }

constexpr QRect PixelRect(const ControlLayout& control) {
  return {Pixels(control.left), Pixels(control.top), Pixels(control.width), Pixels(control.height)};
}

constexpr bool FitsThePixelGrid() {
  for (const ControlLayout& c : Layout) {
    for (int twips : {c.left, c.top, c.width, c.height}) {
      if (twips % TwipsPerPixel != 0) return false;
    }
  }
  return ClientWidth % TwipsPerPixel == 0 && ClientHeight % TwipsPerPixel == 0;
}
static_assert(FitsThePixelGrid(), "every twip value must land on a whole logical pixel");

}  // namespace orunika::ui

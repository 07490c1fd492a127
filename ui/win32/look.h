// How the window looks at a DPI: twips turned into pixels, the font, and the colours.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "form/design.h"

namespace orunika::win32 {

// Windows' wide strings are UTF-16, as the model's texts are, so a text crosses unchanged.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
inline std::wstring ToWide(std::u16string_view text) { return {text.begin(), text.end()}; }
inline std::u16string FromWide(std::wstring_view text) { return {text.begin(), text.end()}; }

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

// A GDI handle given back, when it goes out of scope, by the call that frees its kind.
template <auto Free>
struct FreedBy {
  void operator()(auto handle) const { Free(handle); }
};
// A GDI object: a font, a brush, a bitmap.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, FreedBy<DeleteObject>>;
// A memory device context, which DeleteDC frees, not DeleteObject.
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, FreedBy<DeleteDC>>;

// The window's font and colours. The colours are the classic scheme's, fixed as the Linux window
// fixes them (see design.h: the title bar's text colour that the boxes were meant to take is black
// on current Windows, which would put black text on black boxes), unless the user has turned high
// contrast on: then every control keeps the system's colours.
class Look {
 public:
  explicit Look(UINT dpi);

  HFONT Font() const { return font_.get(); }
  // Returns the old font, to be deleted once no control uses it.
  [[nodiscard]] GdiObject<HFONT> ScaleTo(UINT dpi);

  // Re-reads the high-contrast setting; true when it changed.
  bool FollowHighContrast();

  // For WM_CTLCOLOR* and the form's background: sets the device context's colours and returns the
  // brush for `background`, or returns nullptr under high contrast, to leave the colours to
  // Windows.
  HBRUSH Paint(HDC dc, design::Rgb background);

  // The brush for a single-line border, or nullptr under high contrast.
  HBRUSH Frame();

  // Windows draws an option button's mark in the window-text colour, which a dark theme makes
  // light on the button's white circle: under the classic look the mark is made black again, in a
  // copy of the button drawn as usual.
  void PaintMark(HWND button, HDC dc);

 private:
  HBRUSH BrushFor(design::Rgb colour);

  GdiObject<HFONT> font_;
  std::vector<std::pair<design::Rgb, GdiObject<HBRUSH>>> brushes_;
  bool highContrast_ = false;
};

}  // namespace orunika::win32

#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "form/design.h"
#include "ui/win32/gdi.h"

namespace orunika::win32 {

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

 private:
  HBRUSH BrushFor(design::Rgb colour);

  GdiObject<HFONT> font_;
  std::vector<std::pair<design::Rgb, GdiObject<HBRUSH>>> brushes_;
  bool highContrast_ = false;
};

}  // namespace orunika::win32

#include "ui/win32/look.h"

#include <string>
#include <utility>

namespace orunika::win32 {
namespace {

COLORREF ToColorRef(design::Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

// The em height, as CreateFont takes it: negative, in pixels.
int FontHeight(UINT dpi) {
  constexpr int tenThousandthsOfAPointPerInch = 72 * 10000;
  return -MulDiv(design::FontTenThousandthsOfAPoint, static_cast<int>(dpi),
                 tenThousandthsOfAPointPerInch);
}

GdiObject<HFONT> MakeFont(UINT dpi) {
  const std::wstring face = ToWide(design::FontFace);
  return GdiObject<HFONT>(CreateFontW(FontHeight(dpi), 0, 0, 0, design::FontWeight, FALSE, FALSE,
                                      FALSE, design::FontCharSet, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

bool HighContrastIsOn() {
  HIGHCONTRASTW setting{sizeof setting, 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
         (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

Look::Look(UINT dpi) : font_(MakeFont(dpi)), highContrast_(HighContrastIsOn()) {}

GdiObject<HFONT> Look::ScaleTo(UINT dpi) { return std::exchange(font_, MakeFont(dpi)); }

bool Look::FollowHighContrast() {
  const bool wasOn = highContrast_;
  highContrast_ = HighContrastIsOn();
  return highContrast_ != wasOn;
}

HBRUSH Look::Paint(HDC dc, design::Rgb background) {
  if (highContrast_) return nullptr;
  SetTextColor(dc, ToColorRef(design::Black));
  SetBkColor(dc, ToColorRef(background));
  return BrushFor(background);
}

HBRUSH Look::Frame() { return highContrast_ ? nullptr : BrushFor(design::Black); }

void Look::PaintMark(HWND button, HDC dc) {
  RECT client;
  GetClientRect(button, &client);
  const MemoryDc memory(CreateCompatibleDC(dc));
  HDC copy = memory.get();
  const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
  HGDIOBJ previous = SelectObject(copy, bitmap.get());
  SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(copy), PRF_CLIENT | PRF_ERASEBKGND);
  const COLORREF mark = GetSysColor(COLOR_WINDOWTEXT), black = ToColorRef(design::Black);
  for (int y = 0; !highContrast_ && mark != black && y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) {
      if (GetPixel(copy, x, y) == mark) SetPixel(copy, x, y, black);
    }
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, copy, 0, 0, SRCCOPY);
  SelectObject(copy, previous);
}

HBRUSH Look::BrushFor(design::Rgb colour) {
  for (const auto& [rgb, brush] : brushes_) {
    if (rgb == colour) return brush.get();
  }
  return brushes_.emplace_back(colour, CreateSolidBrush(ToColorRef(colour))).second.get();
}

}  // namespace orunika::win32

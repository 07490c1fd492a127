#include "ui/win32/look.h"

#include <string>
#include <utility>

#include "ui/win32/pixels.h"
#include "ui/win32/text.h"

namespace orunika::win32 {
namespace {

COLORREF ToColorRef(design::Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

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

HBRUSH Look::BrushFor(design::Rgb colour) {
  for (const auto& [rgb, brush] : brushes_) {
    if (rgb == colour) return brush.get();
  }
  return brushes_.emplace_back(colour, CreateSolidBrush(ToColorRef(colour))).second.get();
}

}  // namespace orunika::win32

#include "ui/win32/border.h"

// After windows.h, which it needs.
#include <commctrl.h>

namespace orunika::win32 {
namespace {

constexpr UINT_PTR SubclassId = 1;

LRESULT CALLBACK BorderProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR lookData) {
  if (message == WM_NCPAINT) {
    if (HBRUSH frame = reinterpret_cast<Look*>(lookData)->Frame()) {
      RECT outline{};
      GetWindowRect(control, &outline);
      OffsetRect(&outline, -outline.left, -outline.top);
      HDC dc = GetWindowDC(control);
      FrameRect(dc, &outline, frame);
      ReleaseDC(control, dc);
      return 0;
    }
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, BorderProcedure, SubclassId);
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void KeepClassicBorder(HWND control, Look& look) {
  SetWindowSubclass(control, BorderProcedure, SubclassId, reinterpret_cast<DWORD_PTR>(&look));
}

}  // namespace orunika::win32

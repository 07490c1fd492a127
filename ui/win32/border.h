#pragma once

#include <windows.h>

#include "ui/win32/look.h"

namespace orunika::win32 {

// Windows draws a static's single-line border in the window-frame colour, which is black only in
// the classic scheme (grey on current Windows and under Wine). The result fields keep it black, as
// the Linux window draws it, unless high contrast is on. `look` must outlive the control.
void KeepClassicBorder(HWND control, Look& look);

}  // namespace orunika::win32

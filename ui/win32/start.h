#pragma once

#include <windows.h>

#include "form/m.h"
#include "ui/win32/calculator_window.h"

namespace orunika::win32 {

// Raises the form's Load, which selects 親 and fills both result fields, then shows the window
// with the keyboard in the han box.
void ShowCalculator(m& form, CalculatorWindow& window, int show);

// Hands a message to the window's dialog keyboard (Tab, Shift+Tab, the arrow keys between 親 and
// 子), or else to the window it is for.
void Deliver(HWND window, MSG& message);

}  // namespace orunika::win32

#include "ui/win32/start.h"

namespace orunika::win32 {

void ShowCalculator(m& form, CalculatorWindow& window, int show) {
  form.Load.Raise();
  ShowWindow(window.Handle(), show);
  UpdateWindow(window.Handle());
}

void Deliver(HWND window, MSG& message) {
  if (window && IsDialogMessageW(window, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace orunika::win32

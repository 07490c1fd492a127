#include <windows.h>

#include "form/m.h"
#include "ui/win32/calculator_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) try {
  orunika::m form;
  orunika::win32::CalculatorWindow window(instance, form);
  window.Show(show);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    window.Deliver(message);
  }
  return static_cast<int>(message.wParam);
} catch (...) {
  return 1;  // no window to show anything in; the exit status says it
}

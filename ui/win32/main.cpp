#include <windows.h>

#include "form/m.h"
#include "ui/win32/calculator_window.h"
#include "ui/win32/start.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) try {
  orunika::m form;
  orunika::win32::CalculatorWindow window(instance, form);
  orunika::win32::ShowCalculator(form, window, show);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    orunika::win32::Deliver(window.Handle(), message);
  }
  return static_cast<int>(message.wParam);
} catch (...) {
  return 1;  // no window to show anything in; the exit status says it
}

// The drawn calculator on Windows, a window of real Windows controls. Data flows one way through
// it: the user's keys and clicks reach the edit boxes `a` and `b` and the radio buttons `g` and
// `h`; each change goes straight to the form model (form/m.h), whose ShowScore asks the scoring
// core and sets the captions of `c` and `d`; the statics here follow every caption the model sets.
// No control computes anything.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "form/m.h"
#include "ui/win32/look.h"

namespace orunika::win32 {

class CalculatorWindow {
 public:
  // Creates the window, hidden, with a control for each of the form's controls. `form` must
  // outlive the window.
  CalculatorWindow(HINSTANCE instance, m& form);
  ~CalculatorWindow();
  CalculatorWindow(const CalculatorWindow&) = delete;
  CalculatorWindow& operator=(const CalculatorWindow&) = delete;

  // Raises the form's Load, which selects 親 and fills both result fields, then shows the window
  // with the keyboard in the control the bindings start it in.
  void Show(int show);

  // Null once the window has been closed.
  HWND Handle() const { return window_; }
  HWND Control(std::string_view name) const;

  // Hands a message to the window's dialog keyboard (Tab, Shift+Tab, the arrow keys between 親
  // and 子), or else to the window it is for.
  void Deliver(MSG& message) const;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void OnCreate();
  void OnCommand(WORD id, WORD notification, HWND control);
  LRESULT OnCtlColor(UINT message, HDC dc, HWND control);
  bool OnEraseBackground(HDC dc);
  void OnActivate(bool active);
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  SIZE OnGetDpiScaledSize(UINT dpi) const;
  void OnSettingChange();
  void OnDestroy();

  m& form_;
  HWND window_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::optional<Look> look_;
  // The control that has the keyboard when the window is next activated.
  HWND focus_ = nullptr;
};

}  // namespace orunika::win32

#pragma once

#include <windows.h>

#include <string_view>

namespace orunika::win32 {

// The tooltips of a window's controls: one tooltip window, owned by the window and destroyed with
// it, that watches each control it is given.
class ToolTips {
 public:
  explicit ToolTips(HWND owner);
  void Add(HWND control, std::u16string_view text);

 private:
  HWND owner_;
  HWND toolTip_;
};

}  // namespace orunika::win32

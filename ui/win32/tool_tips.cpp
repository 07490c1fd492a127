#include "ui/win32/tool_tips.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/text.h"

namespace orunika::win32 {

ToolTips::ToolTips(HWND owner) : owner_(owner) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  toolTip_ = CreateWindowExW(
      WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
}

// The tooltip subclasses the control to see the mouse over it; a static passes the mouse to its
// parent unless it has SS_NOTIFY.
void ToolTips::Add(HWND control, std::u16string_view text) {
  std::wstring wide = ToWide(text);  // the tooltip keeps a copy
  TTTOOLINFOW tool{};
  // The size that comctl32 5 knows: without a Common Controls 6 manifest a larger one is refused.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace orunika::win32

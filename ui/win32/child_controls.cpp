#include "ui/win32/child_controls.h"

// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <variant>

namespace orunika::win32 {
namespace {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Windows draws a static's single-line border in the window-frame colour, which is black only in
// the classic scheme (grey on current Windows and under Wine). The result fields keep it black, as
// the Linux window draws it, unless high contrast is on.
LRESULT CALLBACK ClassicBorder(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR id, DWORD_PTR lookData) {
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
    RemoveWindowSubclass(control, ClassicBorder, id);
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

// A single-line box keeps a pasted text up to its first line break, of whichever kind: Wine's
// edit box keeps a lone carriage return and what follows it.
LRESULT CALLBACK OneLinePaste(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR) {
  if (message == WM_PASTE) {
    std::wstring text;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT) && OpenClipboard(edit)) {
      if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
        GlobalUnlock(data);
      }
      CloseClipboard();
      text.resize(std::min(text.find_first_of(L"\r\n"), text.size()));
      SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, OneLinePaste, id);
  return DefSubclassProc(edit, message, wParam, lParam);
}

// The option buttons' marks in the classic colours (Look::PaintMark). A button draws itself at once
// when it is checked, pressed or focused, not only on WM_PAINT; each of those asks for a repaint.
LRESULT CALLBACK ClassicMark(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                             DWORD_PTR lookData) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(button, &paint);
      reinterpret_cast<Look*>(lookData)->PaintMark(button, dc);
      EndPaint(button, &paint);
      return 0;
    }
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      InvalidateRect(button, nullptr, FALSE);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(button, ClassicMark, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

// One tooltip window, owned by the form and destroyed with it, watching every control that has a
// tip.
HWND CreateToolTip(HWND owner) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  return CreateWindowExW(
      WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
}

// The tooltip subclasses the control to see the mouse over it; a static passes the mouse to its
// parent unless it has SS_NOTIFY.
void AddToolTip(HWND toolTip, HWND owner, HWND control, std::u16string_view text) {
  std::wstring wide = ToWide(text);  // the tooltip keeps a copy
  TTTOOLINFOW tool{};
  // The size that comctl32 5 knows: without a Common Controls 6 manifest a larger one is refused.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  SendMessageW(toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Makes the control of one binding, one overload per kind of member. `group` is WS_GROUP for every
// control but an option button that joins the group of the one created before it.
struct Creator {
  HWND parent;
  m& form;
  Look& look;
  const design::ControlDesign& design;
  int id;
  DWORD group;

  HWND Child(const wchar_t* windowClass, DWORD style, DWORD extendedStyle,
             std::u16string_view text) const {
    return CreateWindowExW(
        extendedStyle, windowClass, ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style | group, 0,
        0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  }

  HWND operator()(TextBox m::*member) const {
    const TextBox& box = form.*member;
    const DWORD align = design.align == design::Align::Centre ? ES_CENTER : ES_LEFT;
    HWND edit = Child(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | align,
                      design.border ? WS_EX_CLIENTEDGE : 0, box.Text());
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);  // the boxes limit nothing
    SetWindowSubclass(edit, OneLinePaste, 1, 0);
    return edit;
  }

  HWND operator()(OptionButton m::*member) const {
    OptionButton& button = form.*member;
    HWND radio = Child(L"BUTTON", BS_AUTORADIOBUTTON, 0, button.Caption());
    SetWindowSubclass(radio, ClassicMark, 1, reinterpret_cast<DWORD_PTR>(&look));
    // BM_SETCHECK also makes the checked button the pair's one tab stop, as in any dialog.
    auto repaint = [radio, &button] {
      SendMessageW(radio, BM_SETCHECK, button.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
    };
    button.Repaint.Bind(repaint);
    repaint();
    return radio;
  }

  HWND operator()(Label m::*member) const {
    Label& label = form.*member;
    const DWORD align = design.align == design::Align::Centre ? SS_CENTER : SS_LEFT;
    // A static lets the mouse through to its parent, and so past its tooltip, unless it notifies.
    const DWORD notify = design.toolTip.empty() ? 0 : SS_NOTIFY;
    HWND text = Child(L"STATIC", SS_NOPREFIX | align | notify | (design.border ? WS_BORDER : 0), 0,
                      label.Caption());
    label.Repaint.Bind([text, &label] { SetWindowTextW(text, ToWide(label.Caption()).c_str()); });
    if (design.border)
      SetWindowSubclass(text, ClassicBorder, 1, reinterpret_cast<DWORD_PTR>(&look));
    return text;
  }
};

}  // namespace

void CreateChildControls(HWND parent, m& form, Look& look) {
  HWND toolTip = CreateToolTip(parent);
  for (std::size_t i = 0; i < bindings::Bindings.size(); ++i) {
    const bindings::Binding& binding = bindings::Bindings[i];
    const DWORD group = bindings::JoinsGroup(i) ? 0 : WS_GROUP;
    HWND child = std::visit(Creator{parent, form, look, binding.Design(), ControlId(i), group},
                            binding.member);
    if (!binding.Design().toolTip.empty())
      AddToolTip(toolTip, parent, child, binding.Design().toolTip);
  }
}

void LayOutChildControls(HWND parent, UINT dpi, const Look& look) {
  for (std::size_t i = 0; i < bindings::Bindings.size(); ++i) {
    HWND child = GetDlgItem(parent, ControlId(i));
    const RECT rect = PixelRect(bindings::Bindings[i].Design(), dpi);
    SetWindowPos(child, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(look.Font()), TRUE);
  }
}

void Notify(m& form, int id, HWND control, WORD notification) {
  const bindings::Binding* binding = BindingOf(id);
  if (!binding) return;
  if (auto* box = std::get_if<TextBox m::*>(&binding->member); box && notification == EN_CHANGE) {
    (form.**box).SetText(FromWide(WindowText(control)));
  } else if (auto* button = std::get_if<OptionButton m::*>(&binding->member);
             button && notification == BN_CLICKED) {
    (form.**button).SetValue(true);
  }
}

void UnbindChildControls(m& form) {
  for (const bindings::Binding& binding : bindings::Bindings) {
    if (auto* button = std::get_if<OptionButton m::*>(&binding.member))
      (form.**button).Repaint.Bind(nullptr);
    if (auto* label = std::get_if<Label m::*>(&binding.member))
      (form.**label).Repaint.Bind(nullptr);
  }
}

}  // namespace orunika::win32

#include "ui/win32/calculator_window.h"

#include <string>
#include <system_error>

#include "ui/win32/child_controls.h"

namespace orunika::win32 {
namespace {

constexpr wchar_t ClassName[] = L"Orunika";
// A fixed size: no sizing border and no maximise box.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD ExtendedStyle = 0;

// The window's outer size for a client area of the design's size at `dpi`.
SIZE WindowSize(UINT dpi) {
  RECT rect{0, 0, Pixels(design::ClientWidth, dpi), Pixels(design::ClientHeight, dpi)};
  AdjustWindowRectExForDpi(&rect, Style, FALSE, ExtendedStyle, dpi);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

ATOM Register(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  // The program file's globe; Windows takes the small icon from the same group's 16-pixel picture.
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // Under high contrast the form takes the system's colour, as its statics do.
  windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
  windowClass.lpszClassName = ClassName;
  return RegisterClassExW(&windowClass);
}

}  // namespace

CalculatorWindow::CalculatorWindow(HINSTANCE instance, m& form) : form_(form) {
  [[maybe_unused]] static const ATOM windowClass = Register(instance, WindowProcedure);
  const std::wstring caption = ToWide(design::Caption);
  CreateWindowExW(ExtendedStyle, ClassName, caption.c_str(), Style, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
  if (!window_) throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
}

CalculatorWindow::~CalculatorWindow() {
  if (window_) DestroyWindow(window_);
}

void CalculatorWindow::Show(int show) {
  form_.Load.Raise();
  ShowWindow(window_, show);
  UpdateWindow(window_);
}

HWND CalculatorWindow::Control(std::string_view name) const {
  return GetDlgItem(window_, ControlId(name));
}

void CalculatorWindow::Deliver(MSG& message) const {
  if (window_ && IsDialogMessageW(window_, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// The object is handed over in CreateWindowExW's parameter and kept in the window's user data;
// the few messages before WM_NCCREATE go to DefWindowProcW.
LRESULT CALLBACK CalculatorWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<CalculatorWindow*>(
        reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CalculatorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT CalculatorWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return OnCtlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
      if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) return 1;
      break;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_SETFOCUS:
      if (focus_) SetFocus(focus_);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_GETDPISCALEDSIZE:
      *reinterpret_cast<SIZE*>(lParam) = OnGetDpiScaledSize(static_cast<UINT>(wParam));
      return TRUE;
    case WM_SETTINGCHANGE:
      OnSettingChange();
      break;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void CalculatorWindow::OnCreate() {
  dpi_ = GetDpiForWindow(window_);
  look_.emplace(dpi_);
  CreateChildControls(window_, form_, *look_);
  LayOutChildControls(window_, dpi_, *look_);
  const SIZE size = WindowSize(dpi_);
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  focus_ = GetDlgItem(window_, ControlId(bindings::FirstFocus()));
}

void CalculatorWindow::OnCommand(WORD id, WORD notification, HWND control) {
  Notify(form_, id, control, notification);
}

LRESULT CalculatorWindow::OnCtlColor(UINT message, HDC dc, HWND control) {
  if (const bindings::Binding* binding = BindingOf(GetDlgCtrlID(control))) {
    if (HBRUSH brush = look_->Paint(dc, binding->Design().background))
      return reinterpret_cast<LRESULT>(brush);
  }
  return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(control));
}

bool CalculatorWindow::OnEraseBackground(HDC dc) {
  HBRUSH brush = look_->Paint(dc, design::MenuColour);
  if (!brush) return false;
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &client, brush);
  return true;
}

// An ordinary window does not keep its keyboard focus across activations, as a dialog does.
void CalculatorWindow::OnActivate(bool active) {
  if (active) {
    if (focus_) SetFocus(focus_);
  } else if (HWND focus = GetFocus(); focus && IsChild(window_, focus)) {
    focus_ = focus;
  }
}

// Moved to a screen of another DPI: the font and every control at the new DPI, and the window at
// the place Windows suggests, which WM_GETDPISCALEDSIZE has made exactly the design's size.
void CalculatorWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  const GdiObject<HFONT> oldFont = look_->ScaleTo(dpi);
  LayOutChildControls(window_, dpi_, *look_);
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE CalculatorWindow::OnGetDpiScaledSize(UINT dpi) const { return WindowSize(dpi); }

void CalculatorWindow::OnSettingChange() {
  if (look_->FollowHighContrast())
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// Closing the window ends the program.
void CalculatorWindow::OnDestroy() {
  UnbindChildControls(form_);
  PostQuitMessage(0);
}

}  // namespace orunika::win32

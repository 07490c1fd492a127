// The Win32 window in this process at the DPI of the Wine prefix it runs in, 96, and 144 in the
// second run: the scenarios every drawing plays, what neither they nor a picture can see, and the
// reference pictures.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <gdiplus.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/design.h"
#include "tests/pictures/differing_controls.h"
#include "tests/scenarios/scenarios.h"
#include "ui/win32/calculator_window.h"
#include "ui/win32/child_controls.h"

namespace orunika::win32 {
namespace {

std::wstring Wide(std::string_view utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
      CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wide.size())));
  return wide;
}

// The window newly made and shown in the foreground, driven as the scenarios ask
// (tests/scenarios/scenarios.h): keys and clicks through SendInput, pastes through the clipboard,
// all pumped through the program's own message delivery.
class Driver {
 public:
  // Closes the window before it is made anew; a closed window posts the end of the program,
  // which the next pump takes and drops.
  void Start() {
    window_.reset();
    form_.emplace();
    window_.emplace(GetModuleHandleW(nullptr), *form_);
    window_->Show(SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    Pump();
  }

  HWND Handle() const { return window_->Handle(); }
  HWND Control(std::string_view name) const { return window_->Control(name); }

  // Runs what keys, clicks and posted messages have left, as the program's message loop does.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) window_->Deliver(message);
  }

  // Keys pressed together into the focused window, as fingers do: down in order, up in reverse.
  // The key 0 types `typed` as it is.
  void Keys(std::vector<WORD> keys, wchar_t typed = 0) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD key, DWORD up) {
      const DWORD unicode = key ? 0 : KEYEVENTF_UNICODE;
      inputs.push_back({INPUT_KEYBOARD, {.ki = {key, typed, unicode | up, 0, 0}}});
    };
    for (WORD key : keys) add(key, 0);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) add(*key, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Pump();
  }

  void Type(std::string_view box, std::string_view keys) {
    SetFocus(Control(box));
    SendMessageW(Control(box), EM_SETSEL, GetWindowTextLengthW(Control(box)), -1);
    for (wchar_t typed : Wide(keys)) typed == L'\b' ? Keys({VK_BACK}) : Keys({0}, typed);
  }

  void Press(std::string_view key) {
    static const std::map<std::string_view, std::vector<WORD>> named{
        {"Tab", {VK_TAB}},
        {"Shift+Tab", {VK_SHIFT, VK_TAB}},
        {"Up", {VK_UP}},
        {"Down", {VK_DOWN}},
        {"Left", {VK_LEFT}},
        {"Right", {VK_RIGHT}},
        {"Ctrl+Z", {VK_CONTROL, 'Z'}}};
    Keys(named.at(key));
  }

  // Selects all of the box's text and pastes `text` over it from the clipboard.
  void Paste(std::string_view box, std::string_view text) {
    const std::wstring wide = Wide(text);
    HGLOBAL memory =
        GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (wide.size() + 1) * sizeof(wchar_t));
    std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), wide.data(), wide.size());
    GlobalUnlock(memory);
    OpenClipboard(Handle());
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);  // the clipboard's from now on
    CloseClipboard();
    SetFocus(Control(box));
    SendMessageW(Control(box), EM_SETSEL, 0, -1);
    SendMessageW(Control(box), WM_PASTE, 0, 0);
    Pump();
  }

  // The mouse to the middle of the control, its left button down and up.
  void Click(std::string_view control) {
    RECT place;
    GetWindowRect(Control(control), &place);
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    INPUT mouse[]{{INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                  {INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTUP, 0, 0}}}};
    SendInput(2, mouse, sizeof(INPUT));
    Pump();
  }

  // A control's text; the checked seat's name; the name of the control with the keyboard.
  std::string Read(std::string_view what) {
    if (what == "seat")
      return SendMessageW(Control("g"), BM_GETCHECK, 0, 0)   ? "g"
             : SendMessageW(Control("h"), BM_GETCHECK, 0, 0) ? "h"
                                                             : "";
    if (what == "focus") {
      const bindings::Binding* focused = BindingOf(GetDlgCtrlID(GetFocus()));
      return focused ? std::string(focused->Name()) : "";
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(Control(what))) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(Control(what), text.data(), text.size())));
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(
        CP_UTF8, 0, text.data(), text.size(), utf8.data(), utf8.size(), nullptr, nullptr)));
    return utf8;
  }

 private:
  // Declared first, so that the window goes first, unbinding itself from the form.
  std::optional<m> form_;
  std::optional<CalculatorWindow> window_;
};

TEST(Window, PlaysEveryScenario) {
  Driver driver;
  std::string differences;
  for (const std::string& difference : scenarios::Play(driver)) differences += difference + "\n";
  EXPECT_EQ(differences, "");
}

// The pictures show the window at its start-up DPI; a move to a screen of another DPI is the
// window's own answer to two messages, which Wine on one screen never sends. Every edge of the
// design lands on the nearest pixel at the new DPI, a half pixel rounded up.
TEST(Window, FollowsAMoveToAScreenOfAnotherDpi) {
  Driver window;
  window.Start();
  const HWND handle = window.Handle();
  const UINT other = GetDpiForWindow(handle) == 96 ? 144 : 96;
  auto pixels = [other](double twips) { return std::lround(twips * other / 1440); };
  SIZE size{};
  SendMessageW(handle, WM_GETDPISCALEDSIZE, other, reinterpret_cast<LPARAM>(&size));
  RECT suggested{40, 30, 40 + size.cx, 30 + size.cy}, moved;
  SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(other, other),
               reinterpret_cast<LPARAM>(&suggested));
  GetWindowRect(handle, &moved);
  EXPECT_TRUE(EqualRect(&moved, &suggested));
  for (const design::ControlDesign& control : design::Controls) {
    RECT place;
    GetWindowRect(window.Control(control.name), &place);
    MapWindowPoints(HWND_DESKTOP, handle, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(
        (std::array{place.left, place.top, place.right, place.bottom}),
        (std::array{pixels(control.left), pixels(control.top), pixels(control.left + control.width),
                    pixels(control.top + control.height)}))
        << control.name;
  }
  LOGFONTW font;
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window.Control("a"), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -pixels(design::FontTenThousandthsOfAPoint / 10000.0 * 20));
}

// What the window tells Windows and screen readers: a fixed frame, without the dialog frame that
// would take the globe off the title bar; the program file's globe, the arrow, and the form's grey
// for high contrast, which paints no background of its own; each caption just before the control
// it names; and a tooltip, found anywhere on its control, wherever the design has one.
TEST(Window, ShowsItsFrameClassCaptionsAndTooltipsAsDesigned) {
  Driver window;
  window.Start();
  const HWND handle = window.Handle();
  EXPECT_EQ(GetWindowLongPtrW(handle, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  EXPECT_EQ(GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
  for (auto [index, expected] :
       {std::pair<int, HANDLE>{GCLP_HICON,
                               LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1))},
        {GCLP_HCURSOR, LoadCursorW(nullptr, IDC_ARROW)},
        {GCLP_HBRBACKGROUND, GetSysColorBrush(COLOR_3DFACE)}})
    EXPECT_EQ(reinterpret_cast<HANDLE>(GetClassLongPtrW(handle, index)), expected) << index;
  HWND tips = nullptr;  // this window's own
  while ((tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) &&
         GetWindow(tips, GW_OWNER) != handle) {
  }
  for (const design::ControlDesign& control : design::Controls) {
    const HWND shown = window.Control(control.name);
    EXPECT_TRUE(control.labels.empty() ||
                GetWindow(window.Control(control.labels), GW_HWNDPREV) == shown)
        << control.name;
    // The tooltip under the mouse anywhere on its control, and the text it shows.
    wchar_t text[80]{};
    TTHITTESTINFOW under{shown, {5, 5}, {}};
    under.ti.cbSize = TTTOOLINFOW_V2_SIZE;
    under.ti.lpszText = text;
    SendMessageW(tips, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&under));
    EXPECT_EQ(FromWide(text), control.toolTip) << control.name;
    // A static lets the mouse through to the form, away from its tooltip.
    POINT inside{5, 5};
    ClientToScreen(shown, &inside);
    EXPECT_TRUE(control.toolTip.empty() ||
                SendMessageW(shown, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)) == HTCLIENT);
  }
}

// Enter and Esc, which a dialog takes for OK and Cancel, do nothing here; away to another window
// and back, or focused as a whole, the window keeps the keyboard in its box; and a box takes a
// text past an edit box's usual limit of 30000.
TEST(Window, KeepsTheKeyboardInItsBoxAndTakesLongTexts) {
  Driver window;
  window.Start();
  window.Paste("b", std::string(30001, '1'));
  window.Keys({VK_RETURN});
  window.Keys({VK_ESCAPE});
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  window.Pump();
  SetForegroundWindow(window.Handle());
  window.Pump();
  EXPECT_EQ(window.Read("focus"), "b");
  SetFocus(window.Handle());  // as another program may
  EXPECT_EQ(window.Read("focus"), "b");
  EXPECT_EQ(window.Read("b").size(), 30001u);
  DestroyWindow(other);
}

// Windows 10's face is a lighter grey than the classic one the window keeps, and a dark theme's
// text is light: the window takes neither, and looks the same under magenta.
constexpr struct {
  const wchar_t* picture;
  bool hand;  // 3 han, 40 fu, 子: both results and a split tsumo text
  bool magenta;
} Cases[]{{L"start", false, false}, {L"hand", true, false}, {L"hand", true, true}};

constexpr CLSID Png{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// Compares the client area as the screen shows it with pictures/NAME-DPI.png, or writes it there.
// On a difference leaves NAME-DPI.difference.png in the build folder, the window faded and red
// where it differs, and names the controls.
void ExpectLooksLike(HWND window, const wchar_t* picture, bool remake) {
  const UINT dpi = GetDpiForWindow(window);
  const std::wstring file = picture + (L"-" + std::to_wstring(dpi));
  RECT client;
  GetClientRect(window, &client);
  Gdiplus::Bitmap actual(client.right, client.bottom, PixelFormat32bppRGB);
  {  // in one copy: Wine's PrintWindow leaves the controls out
    Gdiplus::Graphics copy(&actual);
    HDC to = copy.GetHDC(), from = GetDC(window);
    BitBlt(to, 0, 0, client.right, client.bottom, from, 0, 0, SRCCOPY);
    ReleaseDC(window, from);
    copy.ReleaseHDC(to);
  }
  const std::wstring reference = L"" ORUNIKA_PICTURES "/" + file + L".png";
  if (remake) {
    EXPECT_EQ(actual.Save(reference.c_str(), &Png, nullptr), Gdiplus::Ok) << file;
    return;
  }
  Gdiplus::Bitmap expected(reference.c_str());
  ASSERT_TRUE(expected.GetWidth() == actual.GetWidth() &&
              expected.GetHeight() == actual.GetHeight())
      << file << ": no reference picture of this size";
  const Gdiplus::Rect all(0, 0, client.right, client.bottom);
  Gdiplus::BitmapData seen, meant;
  actual.LockBits(&all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite,
                  PixelFormat32bppRGB, &seen);
  expected.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &meant);
  auto at = [](const Gdiplus::BitmapData& bits, int x, int y) -> std::uint32_t& {
    return static_cast<std::uint32_t*>(bits.Scan0)[y * bits.Stride / 4 + x];
  };
  const std::string differing =
      pictures::DifferingControls(dpi, client.right, client.bottom, [&](int x, int y) {
        std::uint32_t& pixel = at(seen, x, y);
        const bool differs = (pixel ^ at(meant, x, y)) & 0xFFFFFF;
        pixel = differs ? 0xFF0000 : (pixel >> 2 & 0x3F3F3F) + 0xC0C0C0;
        return differs;
      });
  actual.UnlockBits(&seen);
  expected.UnlockBits(&meant);
  if (differing.empty()) return;
  actual.Save((L"" ORUNIKA_BUILD "/" + file + L".difference.png").c_str(), &Png, nullptr);
  ADD_FAILURE() << file << " differs in" << differing;
}

// Last of all: under Wine, the system colours it changes and puts back come with new system
// brushes, which the window class, registered before, does not have.
TEST(Pictures, TheWindowLooksLikeItsPictures) {
  ULONG_PTR gdiPlus = 0;
  const Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&gdiPlus, &input, nullptr);
  const char* remake = std::getenv("ORUNIKA_REMAKE_PICTURES");
  const int elements[]{COLOR_3DFACE, COLOR_WINDOWTEXT, COLOR_BTNTEXT};
  const COLORREF magenta[]{RGB(255, 0, 255), RGB(255, 0, 255), RGB(255, 0, 255)};
  COLORREF system[3];
  for (int i = 0; i < 3; ++i) system[i] = GetSysColor(elements[i]);
  for (const auto& [picture, hand, otherColours] : Cases) {
    Driver window;
    window.Start();
    if (otherColours) SetSysColors(3, elements, magenta);
    RedrawWindow(window.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (hand) {  // whose click draws the seats at once, not only when the window is painted
      SetWindowTextW(window.Control("a"), L"3");
      SetWindowTextW(window.Control("b"), L"40");
      SendMessageW(window.Control("h"), BM_CLICK, 0, 0);
    }
    SetFocus(window.Control("g"));  // so that no caret blinks in the picture
    window.Pump();
    ExpectLooksLike(window.Handle(), picture,
                    !otherColours && remake && std::string(remake) == "1");
    if (otherColours) SetSysColors(3, elements, system);
  }
  Gdiplus::GdiplusShutdown(gdiPlus);
}

}  // namespace
}  // namespace orunika::win32

// The Windows program under Wine at the DPI of the Wine prefix it runs in, 96, and 144 in the
// second run: its window in this process playing the scenarios every drawing plays, what neither
// they nor a picture can see, and the reference pictures; and the built program started.
#include <gtest/gtest.h>
#include <process.h>
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <gdiplus.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>

#include "form/design.h"
#include "tests/pictures/differing_controls.h"
#include "tests/scenarios/scenarios.h"
#include "ui/win32/calculator_window.h"
#include "ui/win32/child_controls.h"

namespace orunika::win32 {
namespace {

// The keys the scenarios press: the key held down (0: none) and the key pressed.
constexpr std::tuple<std::string_view, WORD, WORD> NamedKeys[]{
    {"Tab", 0, VK_TAB},         {"Shift+Tab", VK_SHIFT, VK_TAB},
    {"Up", 0, VK_UP},           {"Down", 0, VK_DOWN},
    {"Left", 0, VK_LEFT},       {"Right", 0, VK_RIGHT},
    {"Ctrl+Z", VK_CONTROL, 'Z'}};

std::wstring Wide(std::string_view utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8.size(), wide.data(), wide.size()));
  return wide;
}

// The window newly made and shown in the foreground, driven as the scenarios ask
// (tests/scenarios/scenarios.h): real keys and mouse clicks, pastes through the clipboard,
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

  // A key pressed and let go while `held` (if not 0) is held down; the key 0 types `typed`.
  void Keys(WORD held, WORD key, wchar_t typed = 0) {
    const DWORD unicode = key ? 0 : KEYEVENTF_UNICODE;
    INPUT strokes[]{{INPUT_KEYBOARD, {.ki = {held, 0, 0, 0, 0}}},
                    {INPUT_KEYBOARD, {.ki = {key, typed, unicode, 0, 0}}},
                    {INPUT_KEYBOARD, {.ki = {key, typed, unicode | KEYEVENTF_KEYUP, 0, 0}}},
                    {INPUT_KEYBOARD, {.ki = {held, 0, KEYEVENTF_KEYUP, 0, 0}}}};
    held ? SendInput(4, strokes, sizeof(INPUT)) : SendInput(2, strokes + 1, sizeof(INPUT));
    Pump();
  }

  void Type(std::string_view box, std::string_view keys) {
    SetFocus(Control(box));
    SendMessageW(Control(box), EM_SETSEL, GetWindowTextLengthW(Control(box)), -1);
    for (wchar_t typed : Wide(keys)) typed == L'\b' ? Keys(0, VK_BACK) : Keys(0, 0, typed);
  }

  void Press(std::string_view name) {
    for (auto [named, held, key] : NamedKeys)
      if (named == name) return Keys(held, key);
    ADD_FAILURE() << "no such key: " << name;
  }

  // Selects all of the box's text and pastes `text` over it from the clipboard with Ctrl+V.
  void Paste(std::string_view box, std::string_view text) {
    const std::wstring wide = Wide(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (wide.size() + 1) * 2);
    wide.copy(static_cast<wchar_t*>(GlobalLock(memory)), wide.size());
    GlobalUnlock(memory);
    OpenClipboard(Handle());
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);  // the clipboard's from now on
    CloseClipboard();
    SetFocus(Control(box));
    SendMessageW(Control(box), EM_SETSEL, 0, -1);
    Keys(VK_CONTROL, 'V');
  }

  // The mouse to the middle of the control.
  void Hover(std::string_view control) {
    RECT place;
    GetWindowRect(Control(control), &place);
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
  }

  // The mouse to the middle of the control, its left button down and up.
  void Click(std::string_view control) {
    Hover(control);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Pump();
  }

  // The checked seat's name, the name of the control with the keyboard, or a control's text.
  std::string Read(std::string_view what) {
    for (const char* seat : {"g", "h"})
      if (what == "seat" && IsDlgButtonChecked(Handle(), ControlId(seat))) return seat;
    if (what == "seat") return "";
    if (const bindings::Binding* focused = BindingOf(GetDlgCtrlID(GetFocus())); what == "focus")
      return focused ? std::string(focused->Name()) : "";
    std::wstring text(GetWindowTextLengthW(Control(what)) + 1, L'\0');
    text.resize(GetWindowTextW(Control(what), text.data(), text.size()));
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), text.size(), utf8.data(), utf8.size(),
                                    nullptr, nullptr));
    return utf8;
  }

 private:
  // Declared first, so that the window goes first, unbinding itself from the form.
  std::optional<m> form_;
  std::optional<CalculatorWindow> window_;
};

TEST(Window, PlaysEveryScenario) {
  Driver driver;
  EXPECT_EQ(scenarios::Play(driver), std::vector<std::string>{});
}

// What the window tells Windows, screen readers and the keyboard: a fixed frame, without the
// dialog frame that would take the globe off the title bar; the program file's globe, the arrow,
// and the face's brush for high contrast, where the form paints no background of its own; each
// caption just before the control it names; the design's tooltip under the mouse anywhere on its
// control; Enter and Esc, which a dialog takes for OK and Cancel, doing nothing; the keyboard kept
// in its box behind another window and back, or when the window is focused as a whole; a text
// past an edit box's usual limit of 30000; and, last, a move to a screen of another DPI, which
// Wine on one screen never makes: every edge and the font of the design land on the nearest pixel.
TEST(Window, ShowsItsFrameClassCaptionsTooltipsAndKeyboardAsDesigned) {
  Driver window, other;
  window.Start();
  const HWND handle = window.Handle();
  EXPECT_EQ(GetWindowLongPtrW(handle, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  EXPECT_EQ(GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
  for (auto [index, expected] :
       {std::tuple<int, HANDLE>{GCLP_HICON, LoadIconW(GetModuleHandleW(nullptr), L"#1")},
        {GCLP_HCURSOR, LoadCursorW(nullptr, IDC_ARROW)},
        {GCLP_HBRBACKGROUND, GetSysColorBrush(COLOR_3DFACE)}})
    EXPECT_EQ(reinterpret_cast<HANDLE>(GetClassLongPtrW(handle, index)), expected) << index;
  // The one tooltip on this Wine desktop: the windows of earlier tests went with theirs.
  const HWND tips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
  for (const design::ControlDesign& c : design::Controls) {
    const HWND shown = window.Control(c.name);
    EXPECT_TRUE(c.labels.empty() || GetWindow(window.Control(c.labels), GW_HWNDPREV) == shown)
        << c.name;
    wchar_t text[80]{};
    TTHITTESTINFOW under{shown, {5, 5}, {TTTOOLINFOW_V2_SIZE, 0, {}, 0, {}, {}, text, 0, {}}};
    SendMessageW(tips, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&under));
    EXPECT_EQ(FromWide(text), c.toolTip) << c.name;
  }
  // A tooltip shows after the mouse rests, on its own timer, which the program's loop dispatches.
  window.Hover("a");
  for (int wait = 0; wait < 250 && !IsWindowVisible(tips); ++wait, Sleep(20)) window.Pump();
  EXPECT_TRUE(IsWindowVisible(tips));
  window.Paste("b", std::string(30001, '1'));
  bool taken = false;  // by another program, once the paste has let go of the clipboard
  std::thread([&taken] { taken = OpenClipboard(nullptr) && CloseClipboard(); }).join();
  EXPECT_TRUE(taken);
  // A border drawn gives its device context back, which the next one asked for then is.
  const HWND result = window.Control("c");
  const HDC given = GetWindowDC(result);
  ReleaseDC(result, given);
  RedrawWindow(result, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const HDC again = GetWindowDC(result);
  ReleaseDC(result, again);
  EXPECT_EQ(again, given);
  for (WORD key : {VK_RETURN, VK_ESCAPE}) window.Keys(0, key);
  other.Start();
  SetForegroundWindow(handle);
  window.Pump();
  EXPECT_EQ(window.Read("focus"), "b");
  SetFocus(handle);  // as another program may
  EXPECT_EQ(window.Read("focus"), "b");
  EXPECT_EQ(window.Read("b").size(), 30001u);
  const UINT dpi = GetDpiForWindow(handle) == 96 ? 144 : 96;
  auto dots = [dpi](int twips) { return static_cast<LONG>((twips * dpi + 720) / 1440); };
  RECT suggested{40, 30, 400, 200}, place;
  SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  GetWindowRect(handle, &place);
  EXPECT_TRUE(EqualRect(&place, &suggested));
  for (const design::ControlDesign& c : design::Controls) {
    const RECT designed{dots(c.left), dots(c.top), dots(c.left + c.width), dots(c.top + c.height)};
    GetWindowRect(window.Control(c.name), &place);
    MapWindowPoints(HWND_DESKTOP, handle, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_TRUE(EqualRect(&place, &designed)) << c.name;
  }
  LOGFONTW font;  // 20 twips a point
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window.Control("a"), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -dots(design::FontTenThousandthsOfAPoint / 500));
}

// The built orunika.exe started as Explorer starts it, which alone shows its start from wWinMain,
// its DPI awareness from its own manifest and its exit status: both fields ask for input, 親 is
// checked and the keyboard is in the han box. GetDlgItemTextW asks by WM_GETTEXT, which reaches a
// control of another process, as GetWindowTextW does not.
TEST(Program, StartsReadyAndEndsWithStatusZero) {
  const intptr_t spawned = _wspawnl(_P_NOWAIT, L"orunika.exe", L"orunika.exe", nullptr);
  ASSERT_NE(spawned, -1) << "orunika.exe did not start";  // -1 as a HANDLE would be this process
  const auto started = reinterpret_cast<HANDLE>(spawned);
  WaitForInputIdle(started, 30000);  // until it waits for its first message
  const HWND window = FindWindowW(L"Orunika", nullptr);
  wchar_t c[16]{}, d[16]{};
  GetDlgItemTextW(window, ControlId("c"), c, 16);
  GetDlgItemTextW(window, ControlId("d"), d, 16);
  EXPECT_EQ(c + (L";" + std::wstring(d)), L"入力が必要;入力が必要");
  EXPECT_TRUE(IsDlgButtonChecked(window, ControlId("g")));
  GUITHREADINFO thread{sizeof thread, 0, {}, {}, {}, {}, {}, {}, {}};
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
  EXPECT_EQ(thread.hwndFocus, GetDlgItem(window, ControlId("a")));
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(window)),
            DPI_AWARENESS_PER_MONITOR_AWARE);
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD status = STILL_ACTIVE;
  if (WaitForSingleObject(started, 30000)) TerminateProcess(started, 1);  // no orphan left behind
  GetExitCodeProcess(started, &status);
  EXPECT_EQ(status, 0u);
  CloseHandle(started);
}

constexpr CLSID Png{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// Compares the client area as the screen shows it, with the keyboard on 親 so that no caret
// blinks, with pictures/NAME-DPI.png, or writes it there. Leaves NAME-DPI.difference.png in the
// build folder, red where it differs, and names the controls that differ.
void ExpectLooksLike(Driver& window, const wchar_t* picture, bool remake) {
  SetFocus(window.Control("g"));
  window.Pump();
  const UINT dpi = GetDpiForWindow(window.Handle());
  const std::wstring file = picture + (L"-" + std::to_wstring(dpi));
  RECT client;
  GetClientRect(window.Handle(), &client);
  Gdiplus::Bitmap seen(client.right, client.bottom, PixelFormat32bppRGB);
  Gdiplus::Graphics copy(&seen);  // in one copy: Wine's PrintWindow leaves the controls out
  HDC to = copy.GetHDC(), from = GetDC(window.Handle());
  BitBlt(to, 0, 0, client.right, client.bottom, from, 0, 0, SRCCOPY);
  ReleaseDC(window.Handle(), from);
  copy.ReleaseHDC(to);
  const std::wstring reference = L"" ORUNIKA_PICTURES "/" + file + L".png";
  if (remake) return void(seen.Save(reference.c_str(), &Png, nullptr));
  Gdiplus::Bitmap expected(reference.c_str());
  ASSERT_EQ(expected.GetWidth() << 16 | expected.GetHeight(), seen.GetWidth() << 16 | client.bottom)
      << file << ": no reference picture of this size";
  const std::string differing =
      pictures::DifferingControls(dpi, client.right, client.bottom, [&](int x, int y) {
        Gdiplus::Color shown, meant;
        seen.GetPixel(x, y, &shown);
        expected.GetPixel(x, y, &meant);
        const bool differs = ((shown.GetValue() ^ meant.GetValue()) & 0xFFFFFF) != 0;
        if (differs) seen.SetPixel(x, y, Gdiplus::Color(255, 0, 0));
        return differs;
      });
  seen.Save((L"" ORUNIKA_BUILD "/" + file + L".difference.png").c_str(), &Png, nullptr);
  EXPECT_EQ(differing, "") << file << " differs in these controls; see its .difference.png";
}

// As it starts, and with 3 han, 40 fu and 子 typed in: both results and a split tsumo text. Windows
// 10's face is a lighter grey than the classic one the window keeps, and a dark theme's text is
// light: the window takes neither, and looks the same when the system's colours are magenta; only
// the system's own colours remake the pictures. Last of all: under Wine the colours changed and
// put back come with new system brushes, which the window class, registered before, lacks.
TEST(Pictures, TheWindowLooksLikeItsPictures) {
  ULONG_PTR gdiPlus = 0;
  const Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&gdiPlus, &input, nullptr);
  const char* remake = std::getenv("ORUNIKA_REMAKE_PICTURES");
  const int parts[]{COLOR_3DFACE, COLOR_WINDOWTEXT, COLOR_BTNTEXT};
  const COLORREF magenta[]{RGB(255, 0, 255), RGB(255, 0, 255), RGB(255, 0, 255)};
  const COLORREF system[]{GetSysColor(parts[0]), GetSysColor(parts[1]), GetSysColor(parts[2])};
  for (const COLORREF* colours : {system, magenta}) {
    SetSysColors(3, parts, colours);
    Driver window;
    window.Start();
    const bool remaking = colours == system && remake && *remake == '1';
    ExpectLooksLike(window, L"start", remaking);
    SetWindowTextW(window.Control("a"), L"3");
    SetWindowTextW(window.Control("b"), L"40");
    SendMessageW(window.Control("h"), BM_CLICK, 0, 0);
    ExpectLooksLike(window, L"hand", remaking);
  }
  SetSysColors(3, parts, system);
  Gdiplus::GdiplusShutdown(gdiPlus);
}

}  // namespace
}  // namespace orunika::win32

// What the pictures and the scenarios cannot see of the Win32 window, at the DPI of the Wine prefix
// it runs in: 96, and 144 in the second run.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <array>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "tests/win32/window_fixture.h"

namespace orunika::win32 {
namespace {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { window_.Start(); }
  HWND Handle() const { return window_.Handle(); }
  HWND Control(const char* name) const { return window_.Control(name); }
  std::wstring Text(HWND window) const {
    wchar_t text[80]{};
    GetWindowTextW(window, text, 80);
    return text;
  }

  // Where a control stands in the client area, border included.
  RECT PlaceOf(const char* name) const {
    RECT place;
    GetWindowRect(Control(name), &place);
    MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(&place), 2);
    return place;
  }

  testing::Window window_;
};

// Left, top, width and height: the design's twips / 15 at 96 dpi; at 144 the right and bottom
// edges are rounded, so neighbours still meet.
using Pixels = std::array<long, 4>;
constexpr std::tuple<const char*, Pixels, Pixels> Places[]{
    {"g", {0, 0, 41, 25}, {0, 0, 62, 38}},          {"Label1", {48, 0, 49, 25}, {72, 0, 74, 38}},
    {"a", {96, 0, 121, 23}, {144, 0, 182, 35}},     {"h", {0, 24, 41, 25}, {0, 36, 62, 38}},
    {"Label2", {48, 24, 49, 25}, {72, 36, 74, 38}}, {"b", {96, 24, 121, 23}, {144, 36, 182, 35}},
    {"e", {0, 48, 97, 25}, {0, 72, 146, 38}},       {"c", {96, 48, 121, 23}, {144, 72, 182, 35}},
    {"f", {0, 72, 97, 25}, {0, 108, 146, 38}},      {"d", {96, 72, 121, 23}, {144, 108, 182, 35}},
};

// The pictures show the window at its start-up DPI; a move to a screen of another DPI is the
// window's own answer to two messages, which Wine on one screen never sends.
TEST_F(WindowTest, FollowsAMoveToAScreenOfAnotherDpi) {
  const UINT other = GetDpiForWindow(Handle()) == 96 ? 144 : 96;
  SIZE size{};
  SendMessageW(Handle(), WM_GETDPISCALEDSIZE, other, reinterpret_cast<LPARAM>(&size));
  RECT suggested{40, 30, 40 + size.cx, 30 + size.cy}, moved;
  SendMessageW(Handle(), WM_DPICHANGED, MAKEWPARAM(other, other),
               reinterpret_cast<LPARAM>(&suggested));
  GetWindowRect(Handle(), &moved);
  EXPECT_TRUE(EqualRect(&moved, &suggested));
  for (const auto& [name, at96, at144] : Places) {
    const RECT place = PlaceOf(name);
    EXPECT_EQ((Pixels{place.left, place.top, place.right - place.left, place.bottom - place.top}),
              other == 96 ? at96 : at144)
        << name << " at " << other << " dpi";
  }
  LOGFONTW font;
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control("a"), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(font.lfHeight, other == 96 ? -19 : -29);  // 14.25 points
}

TEST_F(WindowTest, HasAFixedFrameAndEachCaptionJustBeforeTheControlItNames) {
  EXPECT_EQ(GetWindowLongPtrW(Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  // A screen reader names each box and field after the static created just before it.
  for (auto [name, caption] :
       {std::pair{"a", L"飜数"}, {"b", L"符"}, {"c", L"ロンアガリ"}, {"d", L"ツモアガリ"}}) {
    EXPECT_EQ(Text(GetWindow(Control(name), GW_HWNDPREV)), caption) << name;
  }
}

// Enter and Esc, which a dialog would take for OK and Cancel, do nothing here; and a box takes a
// text past an edit box's usual limit.
TEST_F(WindowTest, IgnoresEnterAndEscAndLimitsNoText) {
  SendMessageW(Control("h"), BM_CLICK, 0, 0);
  window_.Press({VK_RETURN});
  window_.Press({VK_ESCAPE});
  EXPECT_EQ(GetFocus(), Control("h"));
  EXPECT_EQ(Text(Control("c")), L"入力が必要");
  const std::wstring pages(30001, L'1');
  window_.Paste(Control("b"), pages);
  EXPECT_EQ(window_.Form().b.Text().size(), pages.size());
}

// Away to another window and back, the keyboard is where it was, not back in the han box.
TEST_F(WindowTest, KeepsTheKeyboardInItsBoxAcrossActivations) {
  SetFocus(Control("b"));
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  window_.Pump();
  SetForegroundWindow(Handle());
  window_.Pump();
  EXPECT_EQ(GetFocus(), Control("b"));
  SetFocus(Handle());  // as another program may
  EXPECT_EQ(GetFocus(), Control("b"));
  DestroyWindow(other);
}

// The globe in the title bar and the taskbar, the arrow over the form, and the form's own grey
// behind the controls when high contrast paints none.
TEST_F(WindowTest, RegistersTheGlobeTheArrowAndTheFacesBrush) {
  // The program file's own, shared with every other use of it; its small picture goes with it.
  EXPECT_EQ(GetClassLongPtrW(Handle(), GCLP_HICON),
            reinterpret_cast<ULONG_PTR>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1))));
  EXPECT_EQ(GetClassLongPtrW(Handle(), GCLP_HCURSOR),
            reinterpret_cast<ULONG_PTR>(LoadCursorW(nullptr, IDC_ARROW)));
  EXPECT_EQ(GetClassLongPtrW(Handle(), GCLP_HBRBACKGROUND),
            reinterpret_cast<ULONG_PTR>(GetSysColorBrush(COLOR_3DFACE)));
  // A dialog frame would take the icon off the title bar.
  EXPECT_EQ(GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
}

TEST_F(WindowTest, TooltipsOnTheBoxesAndTheTsumoFieldOnly) {
  HWND toolTip = nullptr;  // this test's window's own
  while ((toolTip = FindWindowExW(nullptr, toolTip, TOOLTIPS_CLASSW, nullptr)) &&
         GetWindow(toolTip, GW_OWNER) != Handle()) {
  }
  ASSERT_NE(toolTip, nullptr);
  EXPECT_EQ(SendMessageW(toolTip, TTM_GETTOOLCOUNT, 0, 0), 3);
  for (auto [name, text] : {std::pair{"a", L"飜数を入力します。(例:3飜の場合→3)"},
                            {"b", L"符を入力します。(例:25符(七対子)の場合→25)"},
                            {"d", L"表示形式は(子.親)です"}}) {
    wchar_t shown[80]{};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Control(name));
    tool.lpszText = shown;
    SendMessageW(toolTip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::wstring_view(shown), text) << name;
    // The tip is found under the mouse anywhere on its control.
    TTHITTESTINFOW under{Control(name), {5, 5}, {}};
    under.ti.cbSize = TTTOOLINFOW_V2_SIZE;
    EXPECT_TRUE(SendMessageW(toolTip, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&under))) << name;
  }
  // The mouse over the tsumo field stops there, where its tooltip sees it, instead of passing on.
  POINT inside{PlaceOf("d").left + 5, PlaceOf("d").top + 5};
  ClientToScreen(Handle(), &inside);
  EXPECT_EQ(SendMessageW(Control("d"), WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT);
}

}  // namespace
}  // namespace orunika::win32

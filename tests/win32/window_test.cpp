// The Win32 window, driven by messages and keys on its real controls and read back from them, at
// the DPI of the Wine prefix it runs in: 96, and 144 in the second run.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "form/m.h"
#include "tests/win32/driving.h"
#include "ui/win32/calculator_window.h"
#include "ui/win32/start.h"

namespace orunika::win32 {
namespace {

constexpr std::wstring_view Required = L"入力が必要";

// A calculator window shown in the foreground as the program shows it, for each test.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ShowCalculator(form_, window_, SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    Pump();
  }
  HWND Handle() const { return window_.Handle(); }
  HWND Control(const char* name) const { return window_.Control(name); }
  std::wstring Text(const char* name) const { return drive::TextOf(Control(name)); }

  // Where a control stands in the client area, border included.
  RECT PlaceOf(const char* name) const {
    RECT place;
    GetWindowRect(Control(name), &place);
    MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(&place), 2);
    return place;
  }

  // Runs what keys, clicks and posted messages have left, as the program's message loop does.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) Deliver(Handle(), message);
  }

  // Replaces the box's text by pasting `text` from the clipboard.
  void Paste(HWND box, std::wstring_view text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    std::memcpy(GlobalLock(memory), text.data(), bytes - sizeof(wchar_t));
    GlobalUnlock(memory);
    OpenClipboard(Handle());
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);  // the clipboard's from now on
    CloseClipboard();
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_PASTE, 0, 0);
  }

  m form_;
  CalculatorWindow window_{GetModuleHandleW(nullptr), form_};
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

TEST_F(WindowTest, StandsOnTheDesignsPixelsAndFollowsAMoveToAnotherDpi) {
  auto expectPlacesAt = [this](UINT dpi) {
    for (const auto& [name, at96, at144] : Places) {
      const RECT place = PlaceOf(name);
      EXPECT_EQ((Pixels{place.left, place.top, place.right - place.left, place.bottom - place.top}),
                dpi == 96 ? at96 : at144)
          << name << " at " << dpi << " dpi";
    }
  };
  const UINT dpi = GetDpiForWindow(Handle());
  RECT client;
  GetClientRect(Handle(), &client);
  EXPECT_EQ((Pixels{client.right, client.bottom}),
            (dpi == 96 ? Pixels{218, 96} : Pixels{327, 144}));
  expectPlacesAt(dpi);

  // Windows asks the window for its size at the new DPI and suggests a place of that size. (Wine
  // keeps the frame of its one screen's DPI, so only Windows makes that client area exact.)
  const UINT other = dpi == 96 ? 144 : 96;
  SIZE size{};
  SendMessageW(Handle(), WM_GETDPISCALEDSIZE, other, reinterpret_cast<LPARAM>(&size));
  RECT suggested{40, 30, 40 + size.cx, 30 + size.cy}, moved;
  SendMessageW(Handle(), WM_DPICHANGED, MAKEWPARAM(other, other),
               reinterpret_cast<LPARAM>(&suggested));
  GetWindowRect(Handle(), &moved);
  EXPECT_TRUE(EqualRect(&moved, &suggested));
  expectPlacesAt(other);
  LOGFONTW font;
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control("a"), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(font.lfHeight, other == 96 ? -19 : -29);  // 14.25 points
}

// The start-up state the outside test reads off the program; here what it cannot see.
TEST_F(WindowTest, HasAFixedFrameAndEachCaptionJustBeforeTheControlItNames) {
  EXPECT_EQ(drive::TextOf(Handle()), L"Orunika");
  EXPECT_EQ(GetWindowLongPtrW(Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  EXPECT_EQ(GetFocus(), Control("a"));
  // A screen reader names each box and field after the static created just before it.
  for (auto [name, caption] :
       {std::pair{"a", L"飜数"}, {"b", L"符"}, {"c", L"ロンアガリ"}, {"d", L"ツモアガリ"}}) {
    EXPECT_EQ(drive::TextOf(GetWindow(Control(name), GW_HWNDPREV)), caption) << name;
  }
}

enum class How { Keys, SetText, Paste };  // keys go to the end of the text; the others replace it

TEST_F(WindowTest, EveryChangeOfABoxReachesTheModel) {
  constexpr std::tuple<const char*, How, std::wstring_view, std::wstring_view, std::wstring_view>
      edits[]{
          // box, how, text, then what the ron and tsumo fields show
          {"a", How::Keys, L"3", Required, Required},
          {"b", How::Keys, L"4", Required, Required},
          {"b", How::Keys, L"0", L"7700", L"2600"},
          {"a", How::Keys, L"\b", Required, Required},
          {"a", How::SetText, L"5", L"12000", L"4000"},
          {"b", How::Keys, L"\b\b", L"12000", L"4000"},
          {"a", How::Keys, L"\b4", Required, Required},
          // A single-line box keeps a pasted text up to its first line break.
          {"b", How::Paste, L"40\r\n", L"12000", L"4000"},
          {"b", How::Keys, L"x", Required, Required},
          {"b", How::SetText, L"", Required, Required},
      };
  for (const auto& [name, how, text, ron, tsumo] : edits) {
    HWND box = Control(name);
    if (how == How::Keys) {
      SetFocus(box);
      SendMessageW(box, EM_SETSEL, GetWindowTextLengthW(box), -1);
      drive::Type(text);
    } else {
      how == How::SetText ? void(SetWindowTextW(box, std::wstring(text).c_str()))
                          : Paste(box, text);
    }
    Pump();
    SCOPED_TRACE(::testing::PrintToString(Text("a") + L"|" + Text("b")));
    EXPECT_EQ(Text("c"), ron);
    EXPECT_EQ(Text("d"), tsumo);
  }
  const std::wstring pages(30001, L'1');  // past an edit box's usual limit
  Paste(Control("b"), pages);
  EXPECT_EQ(form_.b.Text().size(), pages.size());
}

TEST_F(WindowTest, ClicksAndArrowKeysSelectTheSeatThroughTheModel) {
  SetWindowTextW(Control("a"), L"3");
  SetWindowTextW(Control("b"), L"40");
  // a click on a seat, or else an arrow key on the focused one; then the seat selected and the ron
  constexpr std::tuple<const char*, WORD, const char*, std::wstring_view> steps[]{
      {"h", 0, "h", L"5200"},
      {nullptr, VK_UP, "g", L"7700"},
      {nullptr, VK_RIGHT, "h", L"5200"},
      {nullptr, VK_DOWN, "g", L"7700"},  // round the pair
      {nullptr, VK_LEFT, "h", L"5200"},
      {"g", 0, "g", L"7700"}};
  for (const auto& [click, arrow, selected, ron] : steps) {
    click ? void(SendMessageW(Control(click), BM_CLICK, 0, 0)) : drive::Press({arrow});
    Pump();
    const bool dealer = std::string_view(selected) == "g";
    EXPECT_EQ(form_.g.Value(), dealer);
    EXPECT_EQ(SendMessageW(Control("g"), BM_GETCHECK, 0, 0), dealer ? BST_CHECKED : BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(Control("h"), BM_GETCHECK, 0, 0), dealer ? BST_UNCHECKED : BST_CHECKED);
    EXPECT_EQ(Text("c"), ron);
  }
}

// The keyboard visits a, b and the selected seat, and comes back round.
TEST_F(WindowTest, TabAndShiftTabVisitTheBoxesAndTheSelectedSeat) {
  auto walk = [this](std::initializer_list<std::pair<bool, const char*>> steps) {
    for (auto [shift, focus] : steps) {
      shift ? drive::Press({VK_SHIFT, VK_TAB}) : drive::Press({VK_TAB});
      Pump();
      EXPECT_EQ(GetFocus(), Control(focus)) << (shift ? "Shift+Tab to " : "Tab to ") << focus;
    }
  };
  walk({{false, "b"}, {false, "g"}, {false, "a"}, {true, "g"}, {true, "b"}, {true, "a"}});
  SendMessageW(Control("h"), BM_CLICK, 0, 0);
  SetFocus(Control("a"));
  walk({{false, "b"}, {false, "h"}, {false, "a"}, {true, "h"}});
  // Enter and Esc, which a dialog would take for OK and Cancel, do nothing here.
  drive::Press({VK_RETURN});
  drive::Press({VK_ESCAPE});
  Pump();
  EXPECT_EQ(GetFocus(), Control("h"));
  EXPECT_EQ(Text("c"), Required);
}

// Away to another window and back, the keyboard is where it was, not back in the han box.
TEST_F(WindowTest, KeepsTheKeyboardInItsBoxAcrossActivations) {
  SetFocus(Control("b"));
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  Pump();
  SetForegroundWindow(Handle());
  Pump();
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

// Closing the window ends the program, and the object forgets the window that is gone.
TEST_F(WindowTest, ClosingEndsTheMessageLoop) {
  SendMessageW(Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Handle(), nullptr);
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 0u);
}

TEST_F(WindowTest, TooltipsOnTheBoxesAndTheTsumoFieldOnly) {
  HWND toolTip = FindWindowW(TOOLTIPS_CLASSW, nullptr);  // this test's window's only
  ASSERT_EQ(GetWindow(toolTip, GW_OWNER), Handle());
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
  // So it tells the form of a click, which is no seat's click and changes nothing.
  SendMessageW(Control("d"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(Control("d"), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Text("d"), Required);
}

// Read off one copy of the client area as the screen shows it (Wine's PrintWindow leaves the
// controls out, and a pixel at a time from the screen is slow), drawn under system face and text
// colours other than the classic ones: Windows 10's face is a lighter grey.
TEST_F(WindowTest, DrawsTheClassicLookWhateverTheSystemColours) {
  SetWindowTextW(Control("a"), L"3");
  SetWindowTextW(Control("b"), L"40");  // and the results show 7700 and 2600
  const int elements[]{COLOR_3DFACE, COLOR_WINDOWTEXT, COLOR_BTNTEXT};
  COLORREF systems[3], magenta[3];
  for (int i = 0; i < 3; ++i) {
    systems[i] = GetSysColor(elements[i]);
    magenta[i] = RGB(255, 0, 255);
  }
  SetSysColors(3, elements, magenta);
  RedrawWindow(Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT client;
  GetClientRect(Handle(), &client);
  BITMAPINFO format{};
  format.bmiHeader = {
      sizeof format.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP copy = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC screen = GetDC(Handle()), memory = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(memory, copy);
  BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
  SetSysColors(3, elements, systems);
  auto at = [&](long x, long y) {
    const std::uint32_t pixel = static_cast<const std::uint32_t*>(bits)[y * client.right + x];
    return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
  };
  auto inside = [&](const char* name) {  // clear of the border and the text
    return at(PlaceOf(name).right - 4, PlaceOf(name).bottom - 4);
  };
  EXPECT_EQ(at(client.right - 1, 2), RGB(212, 208, 200));  // right of the boxes
  EXPECT_EQ(inside("g"), RGB(212, 208, 200));
  for (const char* unframed : {"g", "h", "Label1", "Label2", "e", "f"})  // no frame round these
    EXPECT_EQ(at(PlaceOf(unframed).left, PlaceOf(unframed).top), RGB(212, 208, 200));
  EXPECT_EQ(inside("a"), RGB(255, 255, 255));
  EXPECT_EQ(inside("c"), RGB(224, 224, 224));
  EXPECT_EQ(inside("d"), RGB(224, 224, 224));
  EXPECT_EQ(at(PlaceOf("c").left, PlaceOf("c").bottom - 4), RGB(0, 0, 0));  // a single black line
  for (const char* box : {"a", "b"}) {  // a sunken edge, lit from the top left
    EXPECT_EQ(at(PlaceOf(box).left, PlaceOf(box).bottom - 4), GetSysColor(COLOR_3DSHADOW)) << box;
  }
  // Black text: the captions centred over their width, the boxes' and the results' texts from
  // the left.
  const long slack = MulDiv(2, static_cast<int>(GetDpiForWindow(Handle())), 96);  // rounding
  for (auto [name, centred] : {std::pair{"Label1", true},
                               {"Label2", true},
                               {"e", true},
                               {"f", true},
                               {"a", false},
                               {"b", false},
                               {"c", false},
                               {"d", false}}) {
    const RECT place = PlaceOf(name);
    long left = place.right, right = place.left;
    for (long y = place.top + 3; y < place.bottom - 3; ++y) {
      for (long x = place.left + 3; x < place.right - 3; ++x) {
        if (at(x, y) == RGB(0, 0, 0)) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
      }
    }
    const long before = left - place.left, after = place.right - 1 - right;
    EXPECT_GT(right, left) << name << ": no black text";
    EXPECT_EQ(std::abs(before - after) <= slack, centred)
        << name << ": " << before << ", " << after;
  }
  SelectObject(memory, previous);
  DeleteDC(memory);
  ReleaseDC(Handle(), screen);
  DeleteObject(copy);
}

TEST_F(WindowTest, EveryControlHasTheJapaneseGothic) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Control("a"), WM_GETFONT, 0, 0));
  for (const auto& [name, at96, at144] : Places) {
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Control(name), WM_GETFONT, 0, 0)), font) << name;
  }
  LOGFONTW asked;
  GetObjectW(font, sizeof asked, &asked);
  EXPECT_EQ(std::wstring_view(asked.lfFaceName), L"ＭＳ Ｐゴシック");
  EXPECT_EQ(asked.lfWeight, FW_NORMAL);
  EXPECT_FALSE(asked.lfItalic || asked.lfUnderline || asked.lfStrikeOut);
  // What the system gave for it: a Japanese face with the window's characters.
  HDC dc = GetDC(Handle());
  SelectObject(dc, font);
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  WORD glyphs[3];
  GetGlyphIndicesW(dc, L"親飜符", 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
  ReleaseDC(Handle(), dc);
  EXPECT_EQ(metrics.tmCharSet, SHIFTJIS_CHARSET);
  for (WORD glyph : glyphs) EXPECT_NE(glyph, 0xFFFF);
}

}  // namespace
}  // namespace orunika::win32

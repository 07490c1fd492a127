// The scenarios every drawing runs (tests/scenarios), played on the real Win32 window with real
// input: keys and mouse clicks through SendInput, pastes through the clipboard.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

#include "form/bindings.h"
#include "tests/scenarios/scenarios.h"
#include "tests/win32/window_fixture.h"
#include "ui/win32/child_controls.h"

namespace orunika::win32 {
namespace {

std::wstring Wide(std::string_view utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  std::string utf8(wide.size() * 3, '\0');
  utf8.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                          static_cast<int>(utf8.size()), nullptr, nullptr)));
  return utf8;
}

class Driver : public testing::Window {
 public:
  void Type(std::string_view box, std::string_view keys) {
    HWND edit = Control(box);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, GetWindowTextLengthW(edit), -1);
    for (wchar_t typed : Wide(keys)) {
      if (typed == L'\b') {
        Press({VK_BACK});
        continue;
      }
      INPUT strokes[]{
          {INPUT_KEYBOARD, {.ki = {0, typed, KEYEVENTF_UNICODE, 0, 0}}},
          {INPUT_KEYBOARD, {.ki = {0, typed, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, 0, 0}}}};
      SendInput(2, strokes, sizeof(INPUT));
      Pump();
    }
  }

  void Paste(std::string_view box, std::string_view text) {
    testing::Window::Paste(Control(box), Wide(text));
  }

  void Press(std::string_view key) {
    if (key == "Tab") return Press({VK_TAB});
    if (key == "Shift+Tab") return Press({VK_SHIFT, VK_TAB});
    if (key == "Up") return Press({VK_UP});
    if (key == "Down") return Press({VK_DOWN});
    if (key == "Left") return Press({VK_LEFT});
    if (key == "Right") return Press({VK_RIGHT});
    if (key == "Ctrl+Z") return Press({VK_CONTROL, 'Z'});
    ADD_FAILURE() << "no such key: " << key;
  }
  using testing::Window::Press;

  // The mouse moves to the middle of the control, in screen pixels scaled to SendInput's 0..65535.
  void Click(std::string_view control) {
    RECT place;
    GetWindowRect(Control(control), &place);
    auto scaled = [](long pixel, int metric) {
      return static_cast<LONG>(MulDiv(static_cast<int>(pixel), 65536, GetSystemMetrics(metric)));
    };
    const DWORD at = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    const LONG x = scaled((place.left + place.right) / 2, SM_CXSCREEN);
    const LONG y = scaled((place.top + place.bottom) / 2, SM_CYSCREEN);
    INPUT mouse[]{{INPUT_MOUSE, {.mi = {x, y, 0, at, 0, 0}}},
                  {INPUT_MOUSE, {.mi = {x, y, 0, at | MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                  {INPUT_MOUSE, {.mi = {x, y, 0, at | MOUSEEVENTF_LEFTUP, 0, 0}}}};
    SendInput(3, mouse, sizeof(INPUT));
    Pump();
  }

  std::string Read(std::string_view what) {
    if (what == "seat") {
      for (const char* seat : {"g", "h"}) {
        if (SendMessageW(Control(seat), BM_GETCHECK, 0, 0) == BST_CHECKED) return seat;
      }
      return "";
    }
    if (what == "focus") {
      const bindings::Binding* focused = BindingOf(GetDlgCtrlID(GetFocus()));
      return focused ? std::string(focused->Name()) : "";
    }
    wchar_t text[256]{};
    GetWindowTextW(Control(what), text, 256);
    return Utf8(text);
  }
};

TEST(Scenarios, EveryScenarioPlaysOutOnTheWindow) {
  Driver driver;
  std::string differences;
  for (const std::string& difference : scenarios::Play(driver)) differences += difference + "\n";
  EXPECT_EQ(differences, "");
}

}  // namespace
}  // namespace orunika::win32

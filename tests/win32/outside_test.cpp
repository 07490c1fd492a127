// The built orunika.exe driven from outside, as another program sees it: started, found by its
// window, read back and driven through its controls, and closed.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

#include "tests/win32/driving.h"
#include "ui/win32/control_ids.h"

namespace orunika::win32 {
namespace {

// Keys reach another process in their own time: wait for what they should do, up to a limit.
template <typename Condition>
bool Eventually(Condition condition) {
  for (int tries = 0; tries < 500 && !condition(); ++tries) Sleep(10);
  return condition();
}

TEST(Outside, TheProgramStartsAnswersAndEndsAsTheLinuxProgramDoes) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION program{};
  std::wstring command = L"orunika.exe";  // the tests run beside it
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &program));
  WaitForInputIdle(program.hProcess, 30000);
  HWND window = nullptr;
  ASSERT_TRUE(Eventually([&] { return (window = FindWindowW(nullptr, L"Orunika")) != nullptr; }));
  auto control = [window](const char* name) { return GetDlgItem(window, ControlId(name)); };
  auto shows = [&](std::wstring_view ron, std::wstring_view tsumo) {
    return drive::TextOf(control("c")) == ron && drive::TextOf(control("d")) == tsumo;
  };
  auto focus = [&] {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(program.dwThreadId, &thread);
    return thread.hwndFocus;
  };

  EXPECT_EQ(focus(), control("a"));
  EXPECT_EQ(SendMessageW(control("g"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(control("h"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(drive::TextOf(control("a")) + drive::TextOf(control("b")), L"");
  EXPECT_TRUE(shows(L"入力が必要", L"入力が必要"));
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(window)),
            DPI_AWARENESS_PER_MONITOR_AWARE);

  SetForegroundWindow(window);
  drive::Type(L"3");
  drive::Press({VK_TAB});
  drive::Type(L"40");
  EXPECT_TRUE(Eventually([&] { return shows(L"7700", L"2600"); }));
  SendMessageW(control("h"), BM_CLICK, 0, 0);
  EXPECT_TRUE(shows(L"5200", L"1300.2600"));
  SendMessageW(control("g"), BM_CLICK, 0, 0);  // which takes the keyboard too
  for (auto [shift, next] : {std::pair{false, "a"}, {false, "b"}, {false, "g"}, {true, "b"}}) {
    shift ? drive::Press({VK_SHIFT, VK_TAB}) : drive::Press({VK_TAB});
    EXPECT_TRUE(Eventually([&] { return focus() == control(next); })) << next;
  }

  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD status = STILL_ACTIVE;
  if (WaitForSingleObject(program.hProcess, 30000) == WAIT_TIMEOUT)
    TerminateProcess(program.hProcess, 1);
  GetExitCodeProcess(program.hProcess, &status);
  EXPECT_EQ(status, 0u);
  CloseHandle(program.hThread);
  CloseHandle(program.hProcess);
}

}  // namespace
}  // namespace orunika::win32

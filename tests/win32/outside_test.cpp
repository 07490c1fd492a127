// The built orunika.exe started as Explorer starts it: what only a program of its own shows, its
// start-up from wWinMain, its DPI awareness from its own manifest, and its exit status.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/win32/child_controls.h"

namespace orunika::win32 {
namespace {

TEST(Outside, TheProgramStartsReadyAndEndsWithStatusZero) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION program{};
  std::wstring command = L"orunika.exe";  // the tests run beside it
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &program));
  WaitForInputIdle(program.hProcess, 30000);
  HWND window = nullptr;
  for (int tries = 0; tries < 500 && !(window = FindWindowW(nullptr, L"Orunika")); ++tries)
    Sleep(10);
  ASSERT_NE(window, nullptr);
  // WM_GETTEXT reaches a control of another process, which GetWindowTextW does not.
  wchar_t tsumo[16]{};
  SendMessageW(GetDlgItem(window, ControlId("d")), WM_GETTEXT, 16, reinterpret_cast<LPARAM>(tsumo));
  EXPECT_EQ(std::wstring(tsumo), L"入力が必要");
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(program.dwThreadId, &thread);
  EXPECT_EQ(thread.hwndFocus, GetDlgItem(window, ControlId("a")));
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(window)),
            DPI_AWARENESS_PER_MONITOR_AWARE);

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

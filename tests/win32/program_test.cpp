// The built orunika.exe as Windows sees it from outside: its version record through the version
// API, its icon through the resource API, and the program started as Explorer starts it, which
// alone shows its start from wWinMain, its DPI awareness from its own manifest and its exit status.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/child_controls.h"

namespace orunika::win32 {
namespace {

constexpr wchar_t Program[] = L"orunika.exe";  // the tests run beside it

TEST(ProgramFile, CarriesTheVersionRecord) {
  std::vector<char> record(GetFileVersionInfoSizeW(Program, nullptr));
  ASSERT_TRUE(GetFileVersionInfoW(Program, 0, static_cast<DWORD>(record.size()), record.data()));
  auto query = [&](const std::wstring& path) {
    void* value = nullptr;
    UINT size = 0;
    return VerQueryValueW(record.data(), path.c_str(), &value, &size) ? value : nullptr;
  };
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
  const auto* language = static_cast<const DWORD*>(query(L"\\VarFileInfo\\Translation"));
  ASSERT_TRUE(fixed && language);
  EXPECT_EQ((std::array{fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                        fixed->dwProductVersionLS, fixed->dwFileOS, fixed->dwFileType, *language}),
            (std::array<DWORD, 7>{0x30000, 1, 0x30000, 1, VOS__WINDOWS32, VFT_APP,
                                  MAKELONG(0x0411, 1200)}));  // Japanese in UTF-16
  for (auto [name, expected] : {std::pair{L"FileVersion", L"3.00.0001"},
                                {L"ProductVersion", L"3.00.0001"},
                                {L"ProductName", L"Orunika Version3.0.0"},
                                {L"FileDescription", L"Orunika"},
                                {L"InternalName", L"orunika"},
                                {L"OriginalFilename", L"orunika.exe"},
                                {L"CompanyName", L""}}) {
    const auto* value =
        static_cast<const wchar_t*>(query(L"\\StringFileInfo\\041104B0\\" + std::wstring(name)));
    EXPECT_EQ(std::wstring_view(value ? value : L"(none)"), expected) << name;
  }
}

// 16 colours at 16 and 32 pixels, each picture's height counting the colours and the mask.
TEST(ProgramFile, CarriesTheGlobeIn16ColoursAt16And32Pixels) {
  HMODULE program =
      LoadLibraryExW(Program, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  auto resource = [program](int id, LPCWSTR type) {
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(id), type);
    return found ? static_cast<BYTE*>(LockResource(LoadResource(program, found))) : nullptr;
  };
  BYTE* group = resource(1, RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group[4], 2);  // pictures in the group
  for (long size : {16, 32}) {
    const auto* picture = reinterpret_cast<const BITMAPINFOHEADER*>(
        resource(LookupIconIdFromDirectoryEx(group, TRUE, size, size, LR_DEFAULTCOLOR), RT_ICON));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ((std::array<long, 3>{picture->biWidth, picture->biHeight, picture->biBitCount}),
              (std::array{size, 2 * size, 4L}));
  }
  FreeLibrary(program);
}

TEST(ProgramFile, StartsReadyAndEndsWithStatusZero) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::wstring command = Program;
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &started));
  WaitForInputIdle(started.hProcess, 30000);
  HWND window = nullptr;
  for (int tries = 0; tries < 500 && !(window = FindWindowW(L"Orunika", nullptr)); ++tries)
    Sleep(10);
  ASSERT_NE(window, nullptr);
  // WM_GETTEXT reaches a control of another process, which GetWindowTextW does not.
  for (const char* field : {"c", "d"}) {
    wchar_t text[16]{};
    SendMessageW(GetDlgItem(window, ControlId(field)), WM_GETTEXT, 16,
                 reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"入力が必要") << field;
  }
  EXPECT_EQ(SendMessageW(GetDlgItem(window, ControlId("g")), BM_GETCHECK, 0, 0), BST_CHECKED);
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(started.dwThreadId, &thread);
  EXPECT_EQ(thread.hwndFocus, GetDlgItem(window, ControlId("a")));
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(window)),
            DPI_AWARENESS_PER_MONITOR_AWARE);
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD status = STILL_ACTIVE;
  if (WaitForSingleObject(started.hProcess, 30000) == WAIT_TIMEOUT)
    TerminateProcess(started.hProcess, 1);
  GetExitCodeProcess(started.hProcess, &status);
  EXPECT_EQ(status, 0u);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

}  // namespace
}  // namespace orunika::win32

// The built orunika.exe as Windows sees it from outside: its version record through the version
// API, its icon through the resource API, and the program started as Explorer starts it, which
// alone shows its start from wWinMain, its DPI awareness from its own manifest and its exit status.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

#include "ui/win32/child_controls.h"

namespace orunika::win32 {
namespace {

constexpr wchar_t Program[] = L"orunika.exe";  // the tests run beside it

// The fixed part's numbers, the one translation, Japanese in UTF-16, and its block of strings.
TEST(ProgramFile, CarriesTheVersionRecord) {
  std::string record(GetFileVersionInfoSizeW(Program, nullptr), '\0');
  ASSERT_TRUE(GetFileVersionInfoW(Program, 0, record.size(), record.data()));
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
            (std::array<DWORD, 7>{0x30000, 1, 0x30000, 1, VOS__WINDOWS32, VFT_APP, 0x04B00411}));
  std::wstring strings;
  for (std::wstring name : {L"CompanyName", L"FileDescription", L"FileVersion", L"InternalName",
                            L"OriginalFilename", L"ProductName", L"ProductVersion"}) {
    const auto* value = static_cast<const wchar_t*>(query(L"\\StringFileInfo\\041104B0\\" + name));
    strings += name + L"=" + (value ? value : L"(none)") + L";";
  }
  EXPECT_EQ(strings,
            L"CompanyName=;FileDescription=Orunika;FileVersion=3.00.0001;InternalName=orunika;"
            L"OriginalFilename=orunika.exe;ProductName=Orunika Version3.0.0;"
            L"ProductVersion=3.00.0001;");
}

// Two pictures, as Windows picks them for 16 and 32 pixels: 16 colours, each picture's height
// counting the colours and the mask.
TEST(ProgramFile, CarriesTheGlobeIn16ColoursAt16And32Pixels) {
  HMODULE program =
      LoadLibraryExW(Program, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  auto resource = [program](int id, LPCWSTR type) {
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(id), type);
    return found ? static_cast<BYTE*>(LockResource(LoadResource(program, found))) : nullptr;
  };
  BYTE* group = resource(1, RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group[4], 2);
  for (long size : {16, 32}) {
    const auto* picture = reinterpret_cast<const BITMAPINFOHEADER*>(
        resource(LookupIconIdFromDirectoryEx(group, TRUE, size, size, LR_DEFAULTCOLOR), RT_ICON));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ((std::array<long, 3>{picture->biWidth, picture->biHeight, picture->biBitCount}),
              (std::array{size, 2 * size, 4L}));
  }
  FreeLibrary(program);
}

// Both fields ask for input, 親 is checked and the keyboard is in the han box; GetDlgItemTextW asks
// by WM_GETTEXT, which reaches a control of another process, as GetWindowTextW does not.
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
  wchar_t c[16]{}, d[16]{};
  GetDlgItemTextW(window, ControlId("c"), c, 16);
  GetDlgItemTextW(window, ControlId("d"), d, 16);
  EXPECT_EQ(c + (L";" + std::wstring(d)), L"入力が必要;入力が必要");
  EXPECT_TRUE(IsDlgButtonChecked(window, ControlId("g")));
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(started.dwThreadId, &thread);
  EXPECT_EQ(thread.hwndFocus, GetDlgItem(window, ControlId("a")));
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(window)),
            DPI_AWARENESS_PER_MONITOR_AWARE);
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD status = STILL_ACTIVE;
  if (WaitForSingleObject(started.hProcess, 30000)) TerminateProcess(started.hProcess, 1);
  GetExitCodeProcess(started.hProcess, &status);
  EXPECT_EQ(status, 0u);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

}  // namespace
}  // namespace orunika::win32

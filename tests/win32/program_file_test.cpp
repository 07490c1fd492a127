// The built orunika.exe read back as Windows reads a program file: its version record through the
// version API, its icon through the resource API.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr wchar_t Program[] = L"orunika.exe";  // the tests run beside it

TEST(ProgramFile, CarriesEveryFieldOfTheVersionRecord) {
  std::vector<char> record(GetFileVersionInfoSizeW(Program, nullptr));
  ASSERT_TRUE(GetFileVersionInfoW(Program, 0, static_cast<DWORD>(record.size()), record.data()));
  auto query = [&](std::wstring path) {
    void* value = nullptr;
    UINT size = 0;
    return VerQueryValueW(record.data(), path.c_str(), &value, &size) ? value : nullptr;
  };
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(
      (std::vector<DWORD>{fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                          fixed->dwProductVersionLS, fixed->dwFileOS, fixed->dwFileType}),
      (std::vector<DWORD>{0x30000, 0x1, 0x30000, 0x1, VOS__WINDOWS32, VFT_APP}));
  const auto* language = static_cast<const WORD*>(query(L"\\VarFileInfo\\Translation"));
  ASSERT_NE(language, nullptr);
  EXPECT_EQ(language[0], 0x0411);  // Japanese
  EXPECT_EQ(language[1], 1200);    // UTF-16
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

TEST(ProgramFile, CarriesTheGlobeIn16ColoursAt16And32Pixels) {
  HMODULE program =
      LoadLibraryExW(Program, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  auto resource = [program](WORD id, LPCWSTR type) {
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(id), type);
    return found ? static_cast<const BYTE*>(LockResource(LoadResource(program, found))) : nullptr;
  };
  // The group: reserved, type and count words, then 14-byte entries of width, height, colours,
  // reserved, planes, bits a pixel, size and the picture's id.
  const BYTE* group = resource(1, RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  ASSERT_EQ(group[4], 2);
  for (const BYTE* entry = group + 6; entry < group + 6 + 2 * 14; entry += 14) {
    const int size = entry[0];
    EXPECT_EQ(size, entry == group + 6 ? 16 : 32);
    EXPECT_EQ((std::vector<int>{entry[1], entry[2], entry[6]}), (std::vector<int>{size, 16, 4}));
    // The picture itself: 4 bits a pixel, its height counting the colours and the mask.
    const auto* picture = reinterpret_cast<const BITMAPINFOHEADER*>(
        resource(static_cast<WORD>(entry[12] | entry[13] << 8), RT_ICON));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->biBitCount, 4);
    EXPECT_EQ(picture->biHeight, 2 * size);
  }
  FreeLibrary(program);
}

}  // namespace

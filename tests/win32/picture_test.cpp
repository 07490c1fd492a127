// The window's client area, pixel for pixel, against the reference pictures in pictures/: in the
// start state and with a hand typed in, at the DPI of the Wine prefix the test runs in, and under
// system colours the window must not take. With ORUNIKA_REMAKE_PICTURES=1 the plain pictures are
// written there instead (tools/remake-pictures).
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <gdiplus.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/pictures/differing_controls.h"
#include "tests/win32/window_fixture.h"

namespace orunika::win32 {
namespace {

// GDI+'s PNG encoder.
constexpr CLSID Png{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row by row from the top

  bool Save(const std::wstring& path) {
    Gdiplus::Bitmap bitmap(width, height, width * 4, PixelFormat32bppRGB,
                           reinterpret_cast<BYTE*>(pixels.data()));
    return bitmap.Save(path.c_str(), &Png, nullptr) == Gdiplus::Ok;
  }

  static Picture Load(const std::wstring& path) {
    Picture picture;
    Gdiplus::Bitmap bitmap(path.c_str());
    if (bitmap.GetLastStatus() != Gdiplus::Ok) return picture;
    picture.width = static_cast<int>(bitmap.GetWidth());
    picture.height = static_cast<int>(bitmap.GetHeight());
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        Gdiplus::Color colour;
        bitmap.GetPixel(x, y, &colour);
        picture.pixels.push_back(colour.GetValue() & 0xFFFFFF);
      }
    }
    return picture;
  }
};

class Pictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
  }
  static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }

  void SetUp() override {
    window_.Start();
    dpi_ = GetDpiForWindow(window_.Handle());
  }

  // 3 han, 40 fu, 子: both results and a split tsumo text.
  void TypeAHand() {
    SetWindowTextW(window_.Control("a"), L"3");
    SetWindowTextW(window_.Control("b"), L"40");
    SendMessageW(window_.Control("h"), BM_CLICK, 0, 0);
    window_.Pump();
  }

  // The client area as the screen shows it, in one copy: Wine's PrintWindow leaves the controls
  // out. The keyboard goes to 親 first, so that no caret blinks in the picture.
  Picture Capture() {
    SetFocus(window_.Control("g"));
    window_.Pump();
    RECT client;
    GetClientRect(window_.Handle(), &client);
    Picture picture{client.right, client.bottom, {}};
    picture.pixels.resize(static_cast<std::size_t>(picture.width * picture.height));
    BITMAPINFO format{};
    format.bmiHeader = {
        sizeof format.bmiHeader, picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(window_.Handle()), memory = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, picture.width, picture.height);
    HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    GetDIBits(memory, copy, 0, static_cast<UINT>(picture.height), picture.pixels.data(), &format,
              DIB_RGB_COLORS);
    for (std::uint32_t& pixel : picture.pixels) pixel &= 0xFFFFFF;
    DeleteObject(copy);
    DeleteDC(memory);
    ReleaseDC(window_.Handle(), screen);
    return picture;
  }

  // Compares with pictures/NAME-DPI.png; on a difference leaves NAME-DPI.actual.png and
  // NAME-DPI.difference.png (red where they differ) in the build folder and names the controls.
  void ExpectLooksLike(const std::string& name, const Picture& actual, bool remake = false) {
    const std::string file = name + "-" + std::to_string(dpi_);
    const std::wstring reference = Wide(ORUNIKA_PICTURES "/" + file + ".png");
    if (remake) {
      EXPECT_TRUE(Picture(actual).Save(reference)) << file;
      return;
    }
    const Picture expected = Picture::Load(reference);
    ASSERT_EQ(expected.width * 10000 + expected.height, actual.width * 10000 + actual.height)
        << file << ": no reference picture of this size";
    if (expected.pixels == actual.pixels) return;
    Picture difference = actual;
    for (std::size_t i = 0; i < difference.pixels.size(); ++i)
      difference.pixels[i] = expected.pixels[i] == actual.pixels[i]
                                 ? (actual.pixels[i] >> 2 & 0x3F3F3F) + 0xC0C0C0
                                 : 0xFF0000;
    Picture(actual).Save(Wide(ORUNIKA_BUILD "/" + file + ".actual.png"));
    difference.Save(Wide(ORUNIKA_BUILD "/" + file + ".difference.png"));
    ADD_FAILURE() << file << " differs in"
                  << pictures::DifferingControls(
                         dpi_, actual.width, actual.height, [&](int x, int y) {
                           const auto i = static_cast<std::size_t>(y * actual.width + x);
                           return expected.pixels[i] != actual.pixels[i];
                         });
  }

  static bool Remake() {
    const char* remake = std::getenv("ORUNIKA_REMAKE_PICTURES");
    return remake && std::string(remake) == "1";
  }

  static std::wstring Wide(const std::string& path) { return {path.begin(), path.end()}; }

  static inline ULONG_PTR token_ = 0;
  testing::Window window_;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
};

TEST_F(Pictures, TheStartState) { ExpectLooksLike("start", Capture(), Remake()); }

TEST_F(Pictures, AHandTypedIn) {
  TypeAHand();
  ExpectLooksLike("hand", Capture(), Remake());
}

// Windows 10's face is a lighter grey than the classic one the window keeps, and a dark theme's
// text is light: the window takes neither.
TEST_F(Pictures, AHandUnderOtherSystemColours) {
  const int elements[]{COLOR_3DFACE, COLOR_WINDOWTEXT, COLOR_BTNTEXT};
  COLORREF systems[3];
  const COLORREF magenta[3]{RGB(255, 0, 255), RGB(255, 0, 255), RGB(255, 0, 255)};
  for (int i = 0; i < 3; ++i) systems[i] = GetSysColor(elements[i]);
  SetSysColors(3, elements, magenta);
  RedrawWindow(window_.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  TypeAHand();  // whose click draws the seats at once, not only when the window is painted
  const Picture drawn = Capture();
  SetSysColors(3, elements, systems);
  ExpectLooksLike("hand", drawn);
}

}  // namespace
}  // namespace orunika::win32

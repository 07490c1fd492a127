// Whether the window can open, decided before Qt starts, for the platforms Qt would try in turn.
#include "ui/qt/display.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace orunika::ui {
namespace {

std::vector<std::string> Words(const std::string& text) {
  std::istringstream words(text);
  return {std::istream_iterator<std::string>(words), {}};
}

TEST(MissingDisplay, NamesAProblemExactlyWhereNoPlatformOfQtsCouldOpen) {
  // A runtime folder whose socket takes connections, as a Wayland compositor's would, and no more.
  std::string folder = std::filesystem::temp_directory_path() / "display_test_XXXXXX";
  ASSERT_TRUE(mkdtemp(folder.data()));
  const std::string socket = folder + "/wayland-0", nowhere = folder + "/wayland-8";
  sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
  std::strncpy(address.sun_path, socket.c_str(), sizeof address.sun_path - 1);
  const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listening, 4), 0);
  const struct {
    std::string environment, arguments;  // on top of nothing set at all
    bool opens;
  } cases[] = {
      {"QT_QPA_PLATFORM=offscreen", "", true},             // needs no server
      {"QT_QPA_PLATFORM=xcb;offscreen", "", true},         // Qt goes on down the list
      {"QT_QPA_PLATFORM=xcb", "-platform minimal", true},  // the argument before the environment
      {"", "a-file --platform offscreen", true},           // among other arguments
      {"QT_QPA_PLATFORM=offscreen", "-platform", true},    // with nothing after it
      {"WAYLAND_DISPLAY=" + socket, "", true},
      {"XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR=" + folder, "", true},  // wayland-0 there
      {"QT_QPA_PLATFORM=wayland WAYLAND_SOCKET=3", "", true},            // a connection handed over
      {"", "", false},
      {"QT_QPA_PLATFORM=;xcb;", "", false},  // an empty name is no platform
      {"DISPLAY=:32123", "", false},
      {"QT_QPA_PLATFORM=xcb", "-display :32123", false},
      {"WAYLAND_DISPLAY=" + nowhere, "", false},
      {"WAYLAND_DISPLAY=/" + std::string(200, 'w'), "", false},  // too long for a socket's path
      {"XDG_SESSION_TYPE=wayland", "", false},                   // no runtime folder
      {"WAYLAND_DISPLAY=" + nowhere + " DISPLAY=:32123", "", false},  // X after Wayland
  };
  auto openDescriptors = [] {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.environment + " orunika " + c.arguments);
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET",
                             "XDG_SESSION_TYPE", "XDG_RUNTIME_DIR"})
      unsetenv(name);
    for (const std::string& setting : Words(c.environment))
      setenv(setting.substr(0, setting.find('=')).c_str(),
             setting.substr(setting.find('=') + 1).c_str(), 1);
    std::vector<std::string> texts = Words(c.arguments);
    std::vector<char*> arguments;
    for (std::string& text : texts) arguments.push_back(text.data());
    const auto before = openDescriptors();
    const auto missing = MissingDisplay(arguments);
    EXPECT_EQ(!missing, c.opens) << missing.value_or("");
    EXPECT_NE(missing.value_or("opens"), "");  // the one line says why
    EXPECT_EQ(openDescriptors(), before);      // nothing of the check stays open for Qt to trip on
  }
  ::close(listening);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace orunika::ui

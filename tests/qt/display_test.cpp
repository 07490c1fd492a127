// Whether the window can open, decided before Qt starts, for the platforms Qt would try in turn.
#include "ui/qt/display.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orunika::ui {
namespace {

// Each test runs in a process of its own, so a case may set the environment as it needs.
void UseOnly(const std::map<std::string, std::string>& environment) {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET",
                           "XDG_SESSION_TYPE", "XDG_RUNTIME_DIR"})
    unsetenv(name);
  for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
}

std::ptrdiff_t OpenDescriptors() {
  return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
}

// A folder holding a socket that takes connections, as a Wayland compositor's would, and no more.
class CompositorStandIn {
 public:
  CompositorStandIn() {
    folder_ = std::filesystem::temp_directory_path() / "display_test_XXXXXX";
    if (!mkdtemp(folder_.data())) return;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath().c_str(), sizeof address.sun_path - 1);
    socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
    listening_ =
        ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::listen(socket_, 4) == 0;
  }
  ~CompositorStandIn() {
    if (socket_ >= 0) ::close(socket_);
    std::filesystem::remove_all(folder_);
  }
  CompositorStandIn(const CompositorStandIn&) = delete;
  CompositorStandIn& operator=(const CompositorStandIn&) = delete;

  bool listening() const { return listening_; }
  const std::string& folder() const { return folder_; }
  std::string socketPath() const { return folder_ + "/" + SocketName; }

  static constexpr const char* SocketName = "wayland-0";  // where a session's compositor listens

 private:
  std::string folder_;
  int socket_ = -1;
  bool listening_ = false;
};

struct Case {
  const char* what;
  std::map<std::string, std::string> environment;
  std::vector<std::string> arguments;
  bool opens;
};

TEST(MissingDisplay, NamesAProblemExactlyWhereNoPlatformOfQtsCouldOpen) {
  const CompositorStandIn compositor;
  ASSERT_TRUE(compositor.listening());
  const std::string nowhere = compositor.folder() + "/wayland-8";
  const Case cases[] = {
      {"offscreen needs no server", {{"QT_QPA_PLATFORM", "offscreen"}}, {}, true},
      {"Qt goes on down the list", {{"QT_QPA_PLATFORM", "xcb;offscreen"}}, {}, true},
      {"-platform before the environment",
       {{"QT_QPA_PLATFORM", "xcb"}},
       {"-platform", "minimal"},
       true},
      {"--platform among other arguments", {}, {"a-file", "--platform", "offscreen"}, true},
      {"a compositor's socket", {{"WAYLAND_DISPLAY", compositor.socketPath()}}, {}, true},
      {"a Wayland session's compositor in the runtime folder",
       {{"XDG_SESSION_TYPE", "wayland"}, {"XDG_RUNTIME_DIR", compositor.folder()}},
       {},
       true},
      {"a socket handed over", {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_SOCKET", "3"}}, {}, true},
      {"-platform with nothing after it", {{"QT_QPA_PLATFORM", "offscreen"}}, {"-platform"}, true},
      {"nothing set", {}, {}, false},
      {"an empty name is no platform", {{"QT_QPA_PLATFORM", ";xcb;"}}, {}, false},
      {"no X server there", {{"DISPLAY", ":32123"}}, {}, false},
      {"-display names no X server", {{"QT_QPA_PLATFORM", "xcb"}}, {"-display", ":32123"}, false},
      {"no compositor there", {{"WAYLAND_DISPLAY", nowhere}}, {}, false},
      {"a path too long for a socket",
       {{"WAYLAND_DISPLAY", "/" + std::string(200, 'w')}},
       {},
       false},
      {"no runtime folder", {{"XDG_SESSION_TYPE", "wayland"}}, {}, false},
      {"a Wayland session tries X next",
       {{"WAYLAND_DISPLAY", nowhere}, {"DISPLAY", ":32123"}},
       {},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UseOnly(c.environment);
    std::vector<std::string> texts = c.arguments;
    std::vector<char*> arguments;
    for (std::string& text : texts) arguments.push_back(text.data());
    const auto before = OpenDescriptors();
    const std::optional<std::string> missing = MissingDisplay(arguments);
    EXPECT_EQ(!missing, c.opens) << missing.value_or("");
    EXPECT_EQ(OpenDescriptors(), before);  // nothing of the check stays open for Qt to trip on
    if (missing) {
      EXPECT_FALSE(missing->empty());  // the one line says why
    }
  }
}

}  // namespace
}  // namespace orunika::ui

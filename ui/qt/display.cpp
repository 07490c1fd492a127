#include "ui/qt/display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace orunika::ui {
namespace {

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The value of one of Qt's own options, "-platform offscreen" or "--platform offscreen", which
// QApplication takes from the arguments before the program sees them.
std::string_view QtOption(std::span<char* const> arguments, std::string_view option) {
  std::string_view value;
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    if (argument.starts_with("--")) argument.remove_prefix(1);
    if (argument.starts_with('-') && argument.substr(1) == option) value = arguments[++i];
  }
  return value;
}

std::vector<std::string_view> Platforms(std::span<char* const> arguments) {
  std::string_view named = QtOption(arguments, "platform");
  if (named.empty()) named = Environment("QT_QPA_PLATFORM");
  std::vector<std::string_view> platforms;
  if (!named.empty()) {
    // "wayland;xcb": each in turn. An empty name is no platform: "xcb;" opens only what xcb opens.
    for (std::string_view rest = named; !rest.empty();) {
      const std::size_t end = std::min(rest.find(';'), rest.size());
      if (end > 0) platforms.push_back(rest.substr(0, end));
      rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return platforms;
  }
  // Qt's own choice when none is named: Wayland first in a Wayland session, then X.
  if (!Environment("WAYLAND_DISPLAY").empty() || Environment("XDG_SESSION_TYPE") == "wayland")
    platforms.emplace_back("wayland");
  platforms.emplace_back("xcb");
  return platforms;
}

std::optional<std::string> XServerProblem(std::string_view displayOption) {
  const std::string display(displayOption.empty() ? Environment("DISPLAY") : displayOption);
  if (display.empty()) return "DISPLAY is not set";
  std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
      xcb_connect(display.c_str(), nullptr), xcb_disconnect);
  if (xcb_connection_has_error(connection.get()) != 0)
    return "no X server lets the program in at " + display;
  // Held until the program ends: an X server whose last client leaves resets itself, and Qt's own
  // connection, made just after, would find it resetting and abort.
  static auto held = std::move(connection);
  return std::nullopt;
}

std::optional<std::string> WaylandProblem() {
  if (!Environment("WAYLAND_SOCKET").empty()) return std::nullopt;  // handed over, connected
  std::string path(Environment("WAYLAND_DISPLAY"));
  if (path.empty()) path = "wayland-0";
  if (!path.starts_with('/')) {
    const std::string_view runtime = Environment("XDG_RUNTIME_DIR");
    if (runtime.empty()) return "XDG_RUNTIME_DIR, where the Wayland socket lies, is not set";
    path = std::string(runtime) + '/' + path;
  }
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  bool answered = false;
  if (socket >= 0 && path.size() < sizeof address.sun_path) {
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    answered = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  }
  if (socket >= 0) ::close(socket);
  if (!answered) return "no Wayland compositor answers at " + path;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> MissingDisplay(std::span<char* const> arguments) {
  std::string problems;
  for (const std::string_view platform : Platforms(arguments)) {
    const std::string_view plugin = platform.substr(0, platform.find(':'));
    std::optional<std::string> problem;
    if (plugin == "xcb") {
      problem = XServerProblem(QtOption(arguments, "display"));
    } else if (plugin.starts_with("wayland")) {
      problem = WaylandProblem();
    }
    if (!problem) return std::nullopt;
    problems += (problems.empty() ? "" : "; ") + *problem;
  }
  return problems;
}

}  // namespace orunika::ui

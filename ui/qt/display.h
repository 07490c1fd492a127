#pragma once

#include <optional>
#include <span>
#include <string>

namespace orunika::ui {

// Why the window could not be opened, or nothing when it can. Qt ends the program with an abort
// and a core dump when no platform of its finds a display, so the program asks first, the way Qt
// will: the platforms named by -platform or QT_QPA_PLATFORM, or else Wayland and X as the
// environment points to them. X is asked through the same library and authority as Qt's, Wayland
// by its socket. A platform that needs no display server, such as offscreen, always opens.
std::optional<std::string> MissingDisplay(std::span<char* const> arguments);

}  // namespace orunika::ui

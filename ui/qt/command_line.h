#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace orunika::ui {

// Answers --version and --help, the two questions the program takes on its command line, without
// opening the window, and returns the exit status; returns nothing when the window should open.
// Every other argument is left alone: the window takes none.
std::optional<int> AnswerCommandLine(std::span<char* const> arguments, std::string_view version);

}  // namespace orunika::ui

#include "ui/qt/command_line.h"

#include <cstdio>
#include <cstdlib>

namespace orunika::ui {
namespace {

constexpr std::string_view Help =
    "Orunika is a calculator for the payments of a winning hand in Japanese (riichi)\n"
    "mahjong. Type the han count and the fu into its window and choose dealer or\n"
    "non-dealer: it shows at once what is paid for a win on a discard and for a\n"
    "self-drawn win. It takes no arguments but --help, which prints this text, and\n"
    "--version, which prints its version.\n";

}  // namespace

std::optional<int> AnswerCommandLine(std::span<char* const> arguments, std::string_view version) {
  for (const std::string_view argument : arguments) {
    if (argument == "--version") {
      std::printf("Orunika %.*s\n", static_cast<int>(version.size()), version.data());
    } else if (argument == "--help") {
      std::fwrite(Help.data(), 1, Help.size(), stdout);
    } else {
      continue;
    }
    return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
  }
  return std::nullopt;
}

}  // namespace orunika::ui

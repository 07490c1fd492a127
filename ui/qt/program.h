// What the program does around the window: its command line, Qt's language, its start.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "form/m.h"

class QApplication;

namespace orunika::ui {

class CalculatorWindow;

// Answers --version and --help, the two questions the program takes on its command line, without
// opening the window, and returns the exit status; returns nothing when the window should open.
// Every other argument is left alone: the window takes none.
std::optional<int> AnswerCommandLine(std::span<char* const> arguments, std::string_view version);

// Installs Qt's Japanese translation whatever the desktop's language, so that what Qt itself
// shows, such as the text boxes' context menu, reads in Japanese beside the window's own texts.
// Qt's translations come from the system; without them Qt's own texts stay in English.
void UseJapanese(QApplication& application);

// Raises the form's Load, which selects 親 and fills the result fields, then shows the window with
// the keyboard in the design's first control.
void ShowCalculator(m& form, CalculatorWindow& window);

}  // namespace orunika::ui

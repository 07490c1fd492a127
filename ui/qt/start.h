#pragma once

#include "form/m.h"
#include "ui/qt/calculator_window.h"

namespace orunika::ui {

// Raises the form's Load, which selects 親 and fills the result fields, then shows the window with
// the keyboard in the han box.
void ShowCalculator(m& form, CalculatorWindow& window);

}  // namespace orunika::ui

// The drawn calculator. Data flows one way through it: the user's keys and clicks reach the line
// edits `a` and `b` and the radio buttons `g` and `h`; each change goes straight to the form model
// (form/m.h), whose ShowScore asks the scoring core and sets the captions of `c` and `d`; the
// labels here follow every caption the model sets. No widget computes anything.
#pragma once

#include <QWidget>

#include "form/m.h"

namespace orunika::ui {

// Every control is made by one walk over the bindings (form/bindings.h), named as on the form and
// placed by its design row; the focusable ones are chained for Tab in the table's order.
class CalculatorWindow : public QWidget {
 public:
  // Draws `form`, which must outlive the window.
  explicit CalculatorWindow(m& form, QWidget* parent = nullptr);
};

}  // namespace orunika::ui

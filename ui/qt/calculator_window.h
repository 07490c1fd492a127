// The drawn calculator. Data flows one way through it: the user's keys and clicks reach the line
// edits `a` and `b` and the radio buttons `g` and `h`; each change goes straight to the form model
// (form/m.h), whose ShowScore asks the scoring core and sets the captions of `c` and `d`; the
// labels here follow every caption the model sets. No widget computes anything.
#pragma once

#include <QWidget>

#include "form/m.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace orunika::ui {

class CalculatorWindow : public QWidget {
 public:
  // Draws `form`, which must outlive the window.
  explicit CalculatorWindow(m& form, QWidget* parent = nullptr);

 private:
  QLineEdit* createTextBox(TextBox& box, const char* name);
  QRadioButton* createOptionButton(OptionButton& button, const char* name);
  QLabel* createLabel(Label& label, const char* name);
  void applyLayout();
};

}  // namespace orunika::ui

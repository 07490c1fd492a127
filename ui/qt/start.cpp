#include "ui/qt/start.h"

namespace orunika::ui {

void ShowCalculator(m& form, CalculatorWindow& window) {
  form.Load.Raise();
  window.show();
  window.findChild<QWidget*>(u"a"_qs)->setFocus(Qt::OtherFocusReason);
}

}  // namespace orunika::ui

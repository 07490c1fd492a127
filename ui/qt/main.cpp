#include <QApplication>

#include "form/m.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/japanese.h"
#include "ui/qt/start.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(u"Orunika"_qs);
  QApplication::setApplicationVersion(QString::fromLatin1(ORUNIKA_VERSION));
  orunika::ui::UseJapanese(application);
  orunika::m form;
  orunika::ui::CalculatorWindow window(form);
  orunika::ui::ShowCalculator(form, window);
  return QApplication::exec();
}

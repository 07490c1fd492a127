#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "form/m.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/display.h"
#include "ui/qt/program.h"

int main(int argc, char* argv[]) {
  const auto arguments = std::span<char* const>(argv, argc).subspan(argc > 0 ? 1 : 0);
  if (const auto answered = orunika::ui::AnswerCommandLine(arguments, ORUNIKA_VERSION))
    return *answered;
  if (const auto missing = orunika::ui::MissingDisplay(arguments)) {
    std::fprintf(stderr, "orunika: there is no display to open the window on (%s)\n",
                 missing->c_str());
    return EXIT_FAILURE;
  }

  QApplication application(argc, argv);
  QApplication::setApplicationName(u"Orunika"_qs);
  orunika::ui::UseJapanese(application);
  orunika::m form;
  orunika::ui::CalculatorWindow window(form);
  orunika::ui::ShowCalculator(form, window);
  return QApplication::exec();
}

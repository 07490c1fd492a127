#include <QApplication>
#include <span>

#include "form/m.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/program.h"
#include "ui/qt/start_messages.h"

int main(int argc, char* argv[]) {
  const auto arguments = std::span<char* const>(argv, argc).subspan(argc > 0 ? 1 : 0);
  if (const auto answered = orunika::ui::AnswerCommandLine(arguments, ORUNIKA_VERSION))
    return *answered;

  // Qt itself finds out whether a window can open; the program only tells why not, in one line.
  orunika::ui::HoldQtMessages();
  QApplication application(argc, argv);
  QApplication::setApplicationName(u"Orunika"_qs);
  orunika::ui::UseJapanese(application);
  orunika::m form;
  orunika::ui::CalculatorWindow window(form);
  orunika::ui::ShowCalculator(form, window);
  orunika::ui::ReleaseQtMessages();
  return QApplication::exec();
}

#include "ui/qt/one_line.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>
#include <utility>

namespace orunika::ui {
namespace {

bool IsLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

// QLineEdit hands every change of its text to the validator before anyone sees it, whichever way
// the text came in: Ctrl+V, the context menu, the middle button, a drop or an input method.
// The validator may change the text; it then becomes the box's text, without an undo step.
class FirstLineOnly : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& text, int& cursor) const override {
    const QString& unchanged = std::as_const(text);  // reading must not copy a pasted page
    const auto lineBreak = std::ranges::find_if(unchanged, IsLineBreak);
    if (lineBreak == unchanged.end()) return Acceptable;
    // The box held no line break before, so this one came with the text just inserted, which
    // ends at the cursor: the rest of that text goes, what stood after it stays.
    const auto from = static_cast<int>(lineBreak - unchanged.begin());
    const int to = cursor > from ? cursor : static_cast<int>(text.size());
    text.remove(from, to - from);
    cursor = from;
    return Acceptable;
  }
};

}  // namespace

void KeepToOneLine(QLineEdit* edit) { edit->setValidator(new FirstLineOnly(edit)); }

}  // namespace orunika::ui

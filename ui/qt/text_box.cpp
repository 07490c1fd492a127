#include "ui/qt/text_box.h"

#include <QLineEdit>
#include <QMetaObject>
#include <QValidator>
#include <algorithm>
#include <limits>
#include <utility>

#include "ui/qt/look.h"

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

constexpr qsizetype LongestUndoableText = 1 << 16;

// How many characters an edit removed and inserted: all but the common start and end.
qsizetype ChangedLength(const QString& before, const QString& after) {
  const qsizetype shorter = std::min(before.size(), after.size());
  qsizetype start = 0;
  while (start < shorter && before[start] == after[start]) ++start;
  qsizetype end = 0;
  while (end < shorter - start && before[before.size() - 1 - end] == after[after.size() - 1 - end])
    ++end;
  return before.size() + after.size() - 2 * (start + end);
}

void LimitUndoSteps(QLineEdit* edit) {
  // Setting the same text again drops the steps and changes nothing else; it waits until the edit
  // is done, as QLineEdit is still inside it while it signals.
  QObject::connect(edit, &QLineEdit::textEdited, edit,
                   [edit, before = edit->text()](const QString& after) mutable {
                     const QString previous = std::exchange(before, after);
                     // Short texts, the usual case, are left alone without comparing them.
                     if (std::max(previous.size(), after.size()) <= LongestUndoableText) return;
                     if (ChangedLength(previous, after) == 1) return;  // a keystroke
                     QMetaObject::invokeMethod(
                         edit,
                         [edit] {
                           const int cursor = edit->cursorPosition();
                           edit->setText(edit->text());
                           edit->setCursorPosition(cursor);
                         },
                         Qt::QueuedConnection);
                   });
}

}  // namespace

QLineEdit* MakeTextBox(TextBox& box, const design::ControlDesign& design, QWidget* parent) {
  auto* edit = new QLineEdit(ToQString(box.Text()), parent);
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setAlignment(Horizontal(design.align) | Qt::AlignVCenter);
  edit->setFrame(design.border);
  edit->setPalette(TextBoxPalette(design.background));
  edit->setValidator(new FirstLineOnly(edit));
  QObject::connect(edit, &QLineEdit::textChanged, edit,
                   [&box](const QString& text) { box.SetText(text.toStdU16String()); });
  LimitUndoSteps(edit);
  return edit;
}

}  // namespace orunika::ui

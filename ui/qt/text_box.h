// The han and fu boxes: a QLineEdit that hands every edit to the form's text box and behaves as a
// single-line EDIT box on Windows does, as far as Qt's own differs.
#pragma once

#include "form/controls.h"
#include "form/design.h"

class QLineEdit;
class QWidget;

namespace orunika::ui {

// Every edit, typed, deleted or pasted, goes to `box`, which raises Change; `box` must outlive the
// line edit. The box limits nothing, and keeps one line: text pasted, dropped or inserted with a
// line break in it keeps what comes before its first CR or LF, as Windows keeps it; QLineEdit would
// keep the break and show it as a space, so that "40" copied from a spreadsheet cell became "40 "
// and chose no payment. Typing is unchanged, and nothing else is trimmed or filtered.
//
// QLineEdit keeps an undo step for every character typed, pasted or deleted, some 30 bytes each,
// so a few pasted pages would hold on to hundreds of megabytes. After any edit of a long text but
// a single keystroke, undo starts afresh in that box.
QLineEdit* MakeTextBox(TextBox& box, const design::ControlDesign& design, QWidget* parent);

}  // namespace orunika::ui

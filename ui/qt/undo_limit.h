#pragma once

class QLineEdit;

namespace orunika::ui {

// QLineEdit keeps an undo step for every character typed, pasted or deleted, some 30 bytes each,
// so a few pasted pages would hold on to hundreds of megabytes. After any edit of a long text but
// a single keystroke, undo starts afresh in that box.
void LimitUndoSteps(QLineEdit* edit);

}  // namespace orunika::ui

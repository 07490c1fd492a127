#include "ui/qt/undo_limit.h"

#include <QLineEdit>
#include <QMetaObject>
#include <algorithm>
#include <utility>

namespace orunika::ui {
namespace {

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

}  // namespace

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

}  // namespace orunika::ui

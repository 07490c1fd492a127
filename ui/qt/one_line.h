#pragma once

class QLineEdit;

namespace orunika::ui {

// A single-line box holds one line. Text pasted, dropped or inserted with a line break in it keeps
// what comes before its first CR or LF, as a single-line EDIT box on Windows keeps it; QLineEdit
// would keep the break and show it as a space, so that "40" copied from a spreadsheet cell became
// "40 " and chose no payment. Typing is unchanged, and nothing else is trimmed or filtered.
void KeepToOneLine(QLineEdit* edit);

}  // namespace orunika::ui

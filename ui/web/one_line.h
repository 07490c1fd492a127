#pragma once

#include <string>

namespace orunika::web {

// What a paste or a drop puts into a box: the text before its first line break. A browser would
// turn the breaks of a one-line box into blanks or drop them, and so choose another row.
std::u16string FirstLine(std::u16string text);

}  // namespace orunika::web

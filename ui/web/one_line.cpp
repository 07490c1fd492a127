#include "ui/web/one_line.h"

#include <algorithm>

namespace orunika::web {

std::u16string FirstLine(std::u16string text) {
  text.resize(std::min(text.find(u'\r'), text.find(u'\n')));
  return text;
}

}  // namespace orunika::web

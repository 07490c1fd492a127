#include "ui/web/one_line.h"

namespace orunika::web {

std::u16string FirstLine(std::u16string text) {
  const std::size_t lineBreak = text.find_first_of(u"\r\n");
  if (lineBreak != std::u16string::npos) text.resize(lineBreak);
  return text;
}

}  // namespace orunika::web

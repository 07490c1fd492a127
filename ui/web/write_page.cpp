// Prints one part of the site's index.html, as the site's build asks for it: the form's markup in
// its start state (the form loaded, as the page's program starts it), the form's style, or its
// colour, which is also the colour of a phone's status bar over the page. Run under Node when the
// site is built; Node writes the text as UTF-8.
#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "ui/web/css.h"
#include "ui/web/markup.h"

int main(int argc, char** argv) {
  const std::string_view part = argc == 2 ? argv[1] : "";
  orunika::m form;
  form.Load.Raise();
  const std::string colour = orunika::web::Colour(orunika::design::MenuColour);
  const std::u16string text = part == "markup"   ? orunika::web::FormMarkup(form)
                              : part == "style"  ? orunika::web::FormStyle()
                              : part == "colour" ? std::u16string(colour.begin(), colour.end())
                                                 : u"";
  if (text.empty()) return 2;  // the build names the part; there is no one else to ask
  emscripten::val::global("process")["stdout"].call<void>("write", text + u"\n");
  return 0;
}

// The page's form as HTML and CSS text. The site's build writes them into index.html from the
// same design, bindings and form model that the page's program binds to, so that the browser shows
// the form in its start state before the WebAssembly has arrived, and the program only binds.
#pragma once

#include <string>

#include "form/m.h"

namespace orunika::web {

// One element for each row of the binding table, in its order, inside <main id="m">: the boxes,
// the seats and the result fields with their ids, each showing `form`'s state, and the keyboard in
// the control that has it first.
std::u16string FormMarkup(const m& form);

// The rules that size the form and place each of its elements, from the design; the page behind
// the form in the form's colour; and on a touch screen, the form scaled to fit.
std::u16string FormStyle();

}  // namespace orunika::web

// The form bound to the page's HTML controls. Data flows one way through it: the browser's events
// on the boxes and the seats go to the form model (form/m.h), whose ShowScore writes the captions
// of the result fields, and the fields follow every caption through the model's Repaint events.
// Nothing on the page computes a result. The controls themselves are in index.html already
// (markup.h).
#pragma once

#include <emscripten/val.h>
#include <cstddef>

#include "form/m.h"

namespace orunika::web {

// Starts `form` and binds it to the controls in `root`, one for each row of the binding table:
// what was typed or chosen on the page before the program ran goes to the model as if done now, and
// the result fields show the model from then on. `listener` is called with every input, change,
// paste, drop, key and mouse-down event of the controls, and passes it to Handle (events.h).
// `form` must outlive the page.
void Bind(m& form, emscripten::val root, emscripten::val listener);

// Gives the keyboard to the control of binding `index`, as the Tab key does.
void Focus(std::size_t index);

}  // namespace orunika::web

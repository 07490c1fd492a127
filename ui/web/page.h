// The form drawn as HTML controls. Data flows one way through it: the browser's events on the
// boxes and the seats go to the form model (form/m.h), whose ShowScore writes the captions of the
// result fields, and the fields follow every caption through the model's Repaint events. Nothing
// on the page computes a result.
#pragma once

#include <emscripten/val.h>

#include "form/m.h"

namespace orunika::web {

// Draws `form` into the empty element `root`: one control for each row of the binding table, in
// its order, placed from the design. `listener` is called with every input, change, paste, drop,
// key and mouse-down event of the controls, and passes it to Handle (events.h). `form` must outlive
// the page.
void Draw(m& form, emscripten::val root, emscripten::val listener);

// Gives the keyboard to the control of binding `index`, as the Tab key does.
void Focus(std::size_t index);

}  // namespace orunika::web

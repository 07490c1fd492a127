#pragma once

#include <windows.h>

#include "form/design.h"
#include "form/m.h"

namespace orunika::win32 {

// Creates the real control for the form's control that `design` describes, as a child of `parent`
// with the id ControlId(design.name), and binds the model to it: the model's captions and
// selection show in the control. `startsGroup` is false only for an option button that joins the
// group of the one created before it.
HWND CreateChildControl(HWND parent, m& form, const design::ControlDesign& design,
                        bool startsGroup);

// Whether the control is an option button, which joins a group with its neighbour.
bool IsOptionButton(const design::ControlDesign& design);

// Whether the control is a label, which draws its border as a static does.
bool IsLabel(const design::ControlDesign& design);

// Hands a control's notification to the model: a changed text to its text box, a click to its
// option button. Labels notify nothing.
void Notify(m& form, const design::ControlDesign& design, HWND control, WORD notification);

// Stops the model from reaching the controls, once they are being destroyed.
void UnbindChildControls(m& form);

}  // namespace orunika::win32

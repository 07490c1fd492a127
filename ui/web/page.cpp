#include "ui/web/page.h"

#include <string>
#include <variant>

#include "form/bindings.h"
#include "ui/web/css.h"

namespace orunika::web {
namespace {

using emscripten::val;

val Document() { return val::global("document"); }

val Create(const char* tag) { return Document().call<val>("createElement", val(tag)); }

std::string Id(const bindings::Binding& binding) { return std::string(binding.Name()); }

// Places the control and gives it the design's look: the classes `sunken` and `framed` (the
// style sheet) draw the classic edges of a box and of a result field.
void Place(val element, const design::ControlDesign& design) {
  val style = element["style"];
  style.call<void>("setProperty", val("left"), Length(design.left));
  style.call<void>("setProperty", val("top"), Length(design.top));
  style.call<void>("setProperty", val("width"), Length(design.width));
  style.call<void>("setProperty", val("height"), Length(design.height));
  style.call<void>("setProperty", val("background-color"), Colour(design.background));
  style.call<void>("setProperty", val("text-align"),
                   val(design.align == design::Align::Centre ? "center" : "left"));
  if (!design.toolTip.empty()) element.set("title", std::u16string(design.toolTip));
}

// A box for typing: free text of any length, with the number keypad on a phone (which still has
// the decimal point, as "40.5" needs), and no correction that would change what was typed.
val MakeTextBox(TextBox& box) {
  val input = Create("input");
  input.set("type", "text");
  input.set("inputMode", "decimal");
  input.set("autocomplete", "off");
  input.set("spellcheck", false);
  input.call<void>("setAttribute", val("autocapitalize"), val("off"));
  input.set("value", box.Text());
  input["classList"].call<void>("add", val("sunken"));
  return input;
}

// The seats are one radio group, so the arrow keys move the seat and the pair is one tab stop;
// the caption is the button's own label. The buttons show the model's seat, whoever chose it.
val MakeOptionButton(val& control, OptionButton& button) {
  val radio = Create("input");
  radio.set("type", "radio");
  radio.set("name", "seat");
  val caption = Create("label");
  caption.call<void>("append", radio, val(button.Caption()));
  button.Repaint.Bind([radio, &button]() mutable { radio.set("checked", button.Value()); });
  button.Repaint.Raise();
  control = radio;
  return caption;
}

// A caption names its control for a screen reader; a label that names none shows a result, drawn
// as a read-only field that the keyboard skips and a screen reader reads as a value.
val MakeLabel(val& control, Label& label, const design::ControlDesign& design) {
  val element = Create(design.labels.empty() ? "input" : "label");
  if (design.labels.empty()) {
    element.set("readOnly", true);
    element.set("tabIndex", -1);
    element.set("value", label.Caption());
    label.Repaint.Bind([element, &label]() mutable { element.set("value", label.Caption()); });
  } else {
    element.set("htmlFor", std::string(design.labels));
    element.set("textContent", label.Caption());
  }
  if (design.border) element["classList"].call<void>("add", val("framed"));
  control = element;
  return element;
}

}  // namespace

void Draw(m& form, val root, val listener) {
  val style = root["style"];
  style.call<void>("setProperty", val("width"), Length(design::ClientWidth));
  style.call<void>("setProperty", val("height"), Length(design::ClientHeight));
  style.call<void>("setProperty", val("background-color"), Colour(design::MenuColour));
  style.call<void>("setProperty", val("font-family"), FontFamily());
  style.call<void>("setProperty", val("font-size"),
                   "calc(" + std::to_string(FontPixels) + " * var(--px))");
  for (const bindings::Binding& binding : bindings::Bindings) {
    val control = val::null();  // the element that takes the events and the id
    val placed = std::visit(
        [&](auto member) {
          auto& model = form.*member;
          using Kind = std::remove_reference_t<decltype(model)>;
          if constexpr (std::is_same_v<Kind, TextBox>) {
            control = MakeTextBox(model);
            return control;
          } else if constexpr (std::is_same_v<Kind, OptionButton>) {
            return MakeOptionButton(control, model);
          } else {
            return MakeLabel(control, model, binding.Design());
          }
        },
        binding.member);
    control.set("id", Id(binding));
    Place(placed, binding.Design());
    root.call<void>("append", placed);
  }
  for (const char* type : {"input", "change", "paste", "drop", "keydown", "mousedown"}) {
    root.call<void>("addEventListener", val(type), listener);
  }
}

void Focus(std::size_t index) {
  const bindings::Binding& binding = bindings::Bindings[index];
  val control = Document().call<val>("getElementById", Id(binding));
  control.call<void>("focus");
  // Tab into a box selects its text, as in the desktop programs.
  if (std::holds_alternative<TextBox m::*>(binding.member)) control.call<void>("select");
}

}  // namespace orunika::web

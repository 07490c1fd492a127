#include "ui/web/page.h"

#include <string>
#include <variant>

#include "form/bindings.h"

namespace orunika::web {
namespace {

using emscripten::val;

val Control(const bindings::Binding& binding) {
  return val::global("document").call<val>("getElementById", std::string(binding.Name()));
}

}  // namespace

void Bind(m& form, val root, val listener) {
  form.Load.Raise();
  for (const bindings::Binding& binding : bindings::Bindings) {
    val control = Control(binding);
    std::visit(
        [&](auto member) {
          auto& model = form.*member;
          using Kind = std::remove_reference_t<decltype(model)>;
          if constexpr (std::is_same_v<Kind, TextBox>) {
            model.SetText(control["value"].as<std::u16string>());
          } else if constexpr (std::is_same_v<Kind, OptionButton>) {
            // The page always has one seat checked, and the model follows it.
            if (control["checked"].as<bool>()) model.SetValue(true);
            model.Repaint.Bind(
                [control, &model]() mutable { control.set("checked", model.Value()); });
          } else if (binding.Design().labels.empty()) {  // a result field; captions never change
            model.Repaint.Bind(
                [control, &model]() mutable { control.set("value", model.Caption()); });
            model.Repaint.Raise();
          }
        },
        binding.member);
  }
  for (const char* type : {"input", "change", "paste", "drop", "keydown", "mousedown"}) {
    root.call<void>("addEventListener", val(type), listener);
  }
}

void Focus(std::size_t index) {
  const bindings::Binding& binding = bindings::Bindings[index];
  val control = Control(binding);
  control.call<void>("focus");
  // Tab into a box selects its text, as in the desktop programs.
  if (std::holds_alternative<TextBox m::*>(binding.member)) control.call<void>("select");
}

}  // namespace orunika::web

#include "ui/web/events.h"

#include <string>
#include <variant>

#include "form/bindings.h"
#include "ui/web/one_line.h"
#include "ui/web/page.h"

namespace orunika::web {
namespace {

using emscripten::val;

// Only the selected seat is a tab stop, as in a dialog's group of option buttons.
bool IsTabStop(const m& form, const bindings::Binding& binding) {
  if (const auto* seat = std::get_if<OptionButton m::*>(&binding.member))
    return (form.*(*seat)).Value();
  return binding.TakesFocus();
}

// The tab stop after (or before) binding `from`, round the end of the table; from nowhere, the
// first (or the last).
std::size_t NextTabStop(const m& form, std::size_t from, bool backwards) {
  constexpr std::size_t n = bindings::Bindings.size();
  std::size_t i = from < n ? from : (backwards ? 0 : n - 1);
  do {
    i = backwards ? (i + n - 1) % n : (i + 1) % n;
  } while (!IsTabStop(form, bindings::Bindings[i]) && i != from);
  return i;
}

// The text of a paste or a drop goes in through the browser's own editing, so that it is one
// step of the box's undo and raises the input event like any typing.
void InsertFirstLine(val event, val box, val data) {
  event.call<void>("preventDefault");
  if (data.isNull() || data.isUndefined()) return;
  const std::u16string text = FirstLine(data.call<std::u16string>("getData", val("text/plain")));
  box.call<void>("focus");
  const bool selected = box["selectionStart"].as<int>() != box["selectionEnd"].as<int>();
  if (text.empty() && !selected) return;  // a delete would take a character back
  val document = val::global("document");
  if (text.empty())
    document.call<bool>("execCommand", val("delete"));
  else
    document.call<bool>("execCommand", val("insertText"), false, text);
}

}  // namespace

void Handle(m& form, val event) {
  const std::string type = event["type"].as<std::string>();
  val target = event["target"];
  const std::size_t index = bindings::IndexOf(target["id"].as<std::string>());
  const bool bound = index < bindings::Bindings.size();

  if (type == "keydown") {
    if (event["key"].as<std::string>() != "Tab" || event["ctrlKey"].as<bool>() ||
        event["altKey"].as<bool>() || event["metaKey"].as<bool>())
      return;
    event.call<void>("preventDefault");
    Focus(NextTabStop(form, index, event["shiftKey"].as<bool>()));
    return;
  }
  if (type == "mousedown") {
    // Only the boxes and the seats take the keyboard; a click on a caption's text still selects
    // its seat, which the click, not the mouse-down, does.
    if (!bound || !bindings::Bindings[index].TakesFocus()) event.call<void>("preventDefault");
    return;
  }
  if (!bound) return;
  std::visit(
      [&](auto member) {
        auto& model = form.*member;
        using Kind = std::remove_reference_t<decltype(model)>;
        if constexpr (std::is_same_v<Kind, TextBox>) {
          if (type == "input" || type == "change")
            model.SetText(target["value"].as<std::u16string>());
          else if (type == "paste")
            InsertFirstLine(event, target, event["clipboardData"]);
          else if (type == "drop")
            InsertFirstLine(event, target, event["dataTransfer"]);
        } else if constexpr (std::is_same_v<Kind, OptionButton>) {
          if (type == "change" && target["checked"].as<bool>()) model.SetValue(true);
        }
      },
      bindings::Bindings[index].member);
}

}  // namespace orunika::web

#include "ui/web/events.h"

#include <string>
#include <variant>

#include "form/bindings.h"
#include "ui/web/one_line.h"
#include "ui/web/page.h"

namespace orunika::web {
namespace {

using emscripten::val;
constexpr std::size_t Count = bindings::Bindings.size();

// Only the selected seat is a tab stop, as in a dialog's group of option buttons.
bool IsTabStop(const m& form, const bindings::Binding& binding) {
  if (const auto* seat = std::get_if<OptionButton m::*>(&binding.member))
    return (form.*(*seat)).Value();
  return binding.TakesFocus();
}

// The tab stop after (or before) binding `from`, round the end of the table. The boxes are always
// tab stops, so there is one.
std::size_t NextTabStop(const m& form, std::size_t from, bool backwards) {
  std::size_t i = from;
  do {
    i = backwards ? (i + Count - 1) % Count : (i + 1) % Count;
  } while (!IsTabStop(form, bindings::Bindings[i]));
  return i;
}

// The seat an arrow key moves to from seat `from`: the next of its group, or the one before, round
// the ends of the group, as Windows and most browsers go; some engines stop at the ends.
std::size_t NextSeat(std::size_t from, bool backwards) {
  std::size_t first = from, last = from;
  while (bindings::JoinsGroup(first)) --first;
  while (last + 1 < Count && bindings::JoinsGroup(last + 1)) ++last;
  if (backwards) return from == first ? last : from - 1;
  return from == last ? first : from + 1;
}

// The text of a paste or a drop goes in through the browser's own editing, so that it is one
// step of the box's undo and raises the input event like any typing.
void InsertFirstLine(val event, val box, val data) {
  event.call<void>("preventDefault");
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

// Tab and Shift+Tab go round the tab stops; an arrow key on a seat chooses the next seat.
void OnKey(m& form, val event, std::size_t index) {
  if (event["ctrlKey"].as<bool>() || event["altKey"].as<bool>() || event["metaKey"].as<bool>())
    return;
  const std::string key = event["key"].as<std::string>();
  const bool shift = event["shiftKey"].as<bool>();
  if (key == "Tab") {
    event.call<void>("preventDefault");
    Focus(NextTabStop(form, index, shift));
  } else if (bindings::Bindings[index].IsOptionButton() &&
             (key == "ArrowUp" || key == "ArrowLeft" || key == "ArrowDown" ||
              key == "ArrowRight")) {
    event.call<void>("preventDefault");
    const std::size_t seat = NextSeat(index, key == "ArrowUp" || key == "ArrowLeft");
    (form.*std::get<OptionButton m::*>(bindings::Bindings[seat].member)).SetValue(true);
    Focus(seat);
  }
}

}  // namespace

void Handle(m& form, val event) {
  const std::string type = event["type"].as<std::string>();
  val target = event["target"];
  const std::size_t index = bindings::IndexOf(target["id"].as<std::string>());
  const bool bound = index != Count;  // IndexOf answers a row of the table, or its end

  if (type == "mousedown") {
    // Only the boxes and the seats take the keyboard; a click on a caption's text still selects
    // its seat, which the click, not the mouse-down, does.
    if (!bound || !bindings::Bindings[index].TakesFocus()) event.call<void>("preventDefault");
    return;
  }
  if (!bound) return;  // the keyboard is only ever in a bound control
  if (type == "keydown") return OnKey(form, event, index);
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

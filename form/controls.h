#pragma once

#include <string>
#include <utility>

#include "form/event.h"

namespace orunika {

// The controls a form is built from, without any toolkit. Each raises the events its form answers;
// `Repaint` is for whatever draws the control, so that it can follow every change of state the
// program makes.

// Holds a text as typed; limits and filters nothing. Every change of the text, by the user or the
// program, raises Change; setting the text it already holds is no change.
class TextBox {
 public:
  const std::u16string& Text() const { return text_; }
  void SetText(std::u16string text);

  Event Change;

 private:
  std::u16string text_;
};

// Shows a caption that only the program sets. Raises no event of the form.
class Label {
 public:
  explicit Label(std::u16string caption = {}) : caption_(std::move(caption)) {}
  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string caption);

  Event Repaint;

 private:
  std::u16string caption_;
};

// One of a group of two option buttons, of which at most one is selected. Selecting one, by the
// user or the program, clears its partner and raises its Click; neither is selected until then.
class OptionButton {
 public:
  explicit OptionButton(std::u16string caption) : caption_(std::move(caption)) {}
  OptionButton(const OptionButton&) = delete;
  OptionButton& operator=(const OptionButton&) = delete;

  const std::u16string& Caption() const { return caption_; }
  bool Value() const { return value_; }
  void SetValue(bool value);

  Event Click;
  Event Repaint;

  friend void Group(OptionButton& first, OptionButton& second);

 private:
  void Show(bool value);

  std::u16string caption_;
  bool value_ = false;
  OptionButton* partner_ = nullptr;
};

}  // namespace orunika

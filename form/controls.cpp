#include "form/controls.h"

#include <utility>

namespace orunika {

void TextBox::SetText(std::u16string text) {
  if (text == text_) return;
  text_ = std::move(text);
  Change.Raise();
}

void Label::SetCaption(std::u16string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Repaint.Raise();
}

void Group(OptionButton& first, OptionButton& second) {
  first.partner_ = &second;
  second.partner_ = &first;
}

void OptionButton::Show(bool value) {
  if (value == value_) return;
  value_ = value;
  Repaint.Raise();
}

void OptionButton::SetValue(bool value) {
  if (value == value_) return;
  if (value && partner_ != nullptr) partner_->Show(false);
  Show(value);
  if (value) Click.Raise();
}

}  // namespace orunika

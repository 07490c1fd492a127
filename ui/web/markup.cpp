#include "ui/web/markup.h"

#include <string_view>
#include <variant>

#include "form/bindings.h"
#include "ui/web/css.h"

namespace orunika::web {
namespace {

std::u16string Text(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

// A text as HTML writes it in an attribute's value or between tags.
std::u16string Escaped(std::u16string_view text) {
  std::u16string html;
  for (const char16_t unit : text) {
    if (unit == u'&')
      html += u"&amp;";
    else if (unit == u'<')
      html += u"&lt;";
    else if (unit == u'>')
      html += u"&gt;";
    else if (unit == u'"')
      html += u"&quot;";
    else
      html += unit;
  }
  return html;
}

std::u16string Attribute(std::string_view name, std::u16string_view value) {
  return u" " + Text(name) + u"=\"" + Escaped(value) + u"\"";
}

// The control's id, its tooltip, and whether the keyboard starts in it.
std::u16string ControlAttributes(std::size_t index) {
  const bindings::Binding& binding = bindings::Bindings[index];
  std::u16string attributes = Attribute("id", Text(binding.Name()));
  if (!binding.Design().toolTip.empty()) attributes += Attribute("title", binding.Design().toolTip);
  return attributes + (index == bindings::FirstFocus() ? u" autofocus" : u"");
}

// A box for typing: free text of any length, with the number keypad on a phone (which still has
// the decimal point, as "40.5" needs), and no correction that would change what was typed.
std::u16string TextBoxMarkup(const TextBox& box, const std::u16string& attributes) {
  return u"<input" + attributes +
         u" type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" spellcheck=\"false\" "
         u"autocapitalize=\"off\" class=\"sunken\"" +
         Attribute("value", box.Text()) + u">";
}

// The seats are one radio group, so the arrow keys move the seat and the pair is one tab stop;
// the caption is the button's own label, and the label is what stands in the seat's place.
std::u16string OptionButtonMarkup(const OptionButton& button, const std::u16string& attributes) {
  return u"<label><input" + attributes + u" type=\"radio\" name=\"seat\"" +
         (button.Value() ? u" checked" : u"") + u">" + Escaped(button.Caption()) + u"</label>";
}

// A caption names its control for a screen reader; a label that names none shows a result, drawn
// as a read-only field that the keyboard skips and a screen reader reads as a value.
std::u16string LabelMarkup(const Label& label, const std::u16string& attributes,
                           const design::ControlDesign& design) {
  const std::u16string frame = design.border ? u" class=\"framed\"" : u"";
  if (!design.labels.empty())
    return u"<label" + attributes + frame + Attribute("for", Text(design.labels)) + u">" +
           Escaped(label.Caption()) + u"</label>";
  return u"<input" + attributes + frame + u" readonly tabindex=\"-1\"" +
         Attribute("value", label.Caption()) + u">";
}

}  // namespace

std::u16string FormMarkup(const m& form) {
  std::u16string html = u"<main id=\"m\">";
  for (std::size_t i = 0; i < bindings::Bindings.size(); ++i) {
    const std::u16string attributes = ControlAttributes(i);
    html += u"\n" + std::visit(
                        [&](auto member) {
                          const auto& model = form.*member;
                          using Kind = std::remove_cvref_t<decltype(model)>;
                          if constexpr (std::is_same_v<Kind, TextBox>)
                            return TextBoxMarkup(model, attributes);
                          else if constexpr (std::is_same_v<Kind, OptionButton>)
                            return OptionButtonMarkup(model, attributes);
                          else
                            return LabelMarkup(model, attributes, bindings::Bindings[i].Design());
                        },
                        bindings::Bindings[i].member);
  }
  return html + u"\n</main>";
}

std::u16string FormStyle() {
  const std::string width = std::to_string(design::ClientWidth / TwipsPerPixel);
  const std::string height = std::to_string(design::ClientHeight / TwipsPerPixel);
  // On a touch screen, upright or sideways, the largest form that fits, scaled by one factor; the
  // small viewport's height is what a phone shows with its browser's bars out.
  std::string css =
      "@media (pointer:coarse){:root{--px:min(100vw / " + width + ", 100vh / " + height +
      ")}html{overflow:hidden}#m{margin:0 auto}}\n" +
      "@supports (height:100svh){@media (pointer:coarse){:root{--px:min(100vw / " + width +
      ", 100svh / " + height + ")}}}\nhtml{background-color:" + Colour(design::MenuColour) +
      "}\n#m{width:" + Length(design::ClientWidth) + ";height:" + Length(design::ClientHeight) +
      ";font-size:calc(" + std::to_string(FontPixels) + " * var(--px))}";
  for (std::size_t i = 0; i < bindings::Bindings.size(); ++i) {
    const design::ControlDesign& design = bindings::Bindings[i].Design();
    css += "\n#m>:nth-child(" + std::to_string(i + 1) + "){left:" + Length(design.left) +
           ";top:" + Length(design.top) + ";width:" + Length(design.width) +
           ";height:" + Length(design.height) + ";background-color:" + Colour(design.background) +
           ";text-align:" + (design.align == design::Align::Centre ? "center" : "left") + "}";
  }
  return Text(css) + u"\n#m{font-family:" + FontFamily() + u"}";
}

}  // namespace orunika::web

#include "ui/qt/calculator_window.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QToolTip>
#include <variant>

#include "form/bindings.h"
#include "ui/qt/look.h"
#include "ui/qt/text_box.h"

namespace orunika::ui {
namespace {

template <typename... Kinds>
struct Overloaded : Kinds... {
  using Kinds::operator()...;
};
template <typename... Kinds>
Overloaded(Kinds...) -> Overloaded<Kinds...>;  // Clang 14 deduces no aggregate's arguments

// Windows moves through a group of option buttons with any arrow key, round from the last to the
// first, selecting each as it goes. Qt's buttons move only to a button standing in the arrow's
// direction and stop at the end, so that Left and Right would do nothing in a column of two. Every
// seat is made in the window's one group.
class OptionButtonWidget : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const int key = event->key();
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                 : 0;
    if (step == 0) {  // Space, which selects the focused seat, and keys no seat takes
      QRadioButton::keyPressEvent(event);
      return;
    }
    const QList<QAbstractButton*> buttons = group()->buttons();
    const qsizetype count = buttons.size();
    QAbstractButton* next = buttons[(buttons.indexOf(this) + step + count) % count];
    next->setFocus(Qt::TabFocusReason);
    next->click();
  }
};

// A click or an arrow key selects through the model, which clears the partner and raises Click;
// the model's selection, whoever made it, is what the buttons show.
QRadioButton* MakeOptionButton(OptionButton& button, const design::ControlDesign& design,
                               QButtonGroup& group, QWidget* parent) {
  auto* radio = new OptionButtonWidget(ToQString(button.Caption()), parent);
  radio->setPalette(OptionButtonPalette(design.background));
  group.addButton(radio);
  QObject::connect(radio, &QRadioButton::toggled, radio, [&button](bool checked) {
    if (checked) button.SetValue(true);
  });
  // The pair is one tab stop, the selected button, as Qt keeps an exclusive group; the arrow keys
  // move between the two.
  auto repaint = [radio = QPointer(radio), &button] {
    if (radio) radio->setChecked(button.Value());
  };
  button.Repaint.Bind(repaint);
  repaint();
  return radio;
}

QLabel* MakeLabel(Label& label, const design::ControlDesign& design, QWidget* parent) {
  auto* text = new QLabel(ToQString(label.Caption()), parent);
  text->setTextFormat(Qt::PlainText);
  text->setAlignment(Horizontal(design.align) | Qt::AlignTop);
  text->setPalette(PaletteFor(design.background));
  text->setAutoFillBackground(true);
  if (design.border) text->setFrameStyle(QFrame::Box | QFrame::Plain);
  text->setIndent(0);  // a framed QLabel would indent its text by half an "x"
  label.Repaint.Bind([text = QPointer(text), &label] {
    if (text) text->setText(ToQString(label.Caption()));
  });
  return text;
}

}  // namespace

CalculatorWindow::CalculatorWindow(m& form, QWidget* parent) : QWidget(parent) {
  setWindowTitle(ToQString(design::Caption));
  setWindowIcon(GlobeIcon());
  setFont(CalculatorFont());
  QToolTip::setPalette(ToolTipPalette());
  setFixedSize(Pixels(design::ClientWidth), Pixels(design::ClientHeight));
  setPalette(PaletteFor(design::MenuColour));  // which a window fills its background with

  auto* seats = new QButtonGroup(this);
  // The tab chain is the order of creation, which the bindings keep in tab order.
  QLabel* caption = nullptr;  // naming the control made next
  for (const bindings::Binding& binding : bindings::Bindings) {
    const design::ControlDesign& design = binding.Design();
    QWidget* control = std::visit(
        Overloaded{
            [&](TextBox m::*box) -> QWidget* { return MakeTextBox(form.*box, design, this); },
            [&](OptionButton m::*button) -> QWidget* {
              return MakeOptionButton(form.*button, design, *seats, this);
            },
            [&](Label m::*label) -> QWidget* { return MakeLabel(form.*label, design, this); }},
        binding.member);
    control->setObjectName(ToQString(binding.Name()));
    control->setGeometry(PixelRect(design));
    control->setToolTip(ToQString(design.toolTip));
    // A screen reader announces the named control by this caption: "ロンアガリ 7700".
    if (caption) caption->setBuddy(control);
    caption = design.labels.empty() ? nullptr : qobject_cast<QLabel*>(control);
  }
  DrawInTheClassicStyle(*this);
}

}  // namespace orunika::ui

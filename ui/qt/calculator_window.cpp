#include "ui/qt/calculator_window.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QString>
#include <QToolTip>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "ui/qt/icon.h"
#include "ui/qt/look.h"
#include "ui/qt/one_line.h"
#include "ui/qt/pixels.h"
#include "ui/qt/text.h"
#include "ui/qt/undo_limit.h"

namespace orunika::ui {
namespace {

QString ObjectName(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

Qt::Alignment Horizontal(design::Align align) {
  return align == design::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

}  // namespace

CalculatorWindow::CalculatorWindow(m& form, QWidget* parent) : QWidget(parent) {
  setWindowTitle(ToQString(design::Caption));
  setWindowIcon(GlobeIcon());
  setFont(CalculatorFont());
  QToolTip::setPalette(ToolTipPalette());

  auto* seats = new QButtonGroup(this);
  seats->addButton(createOptionButton(form.g, "g"));
  seats->addButton(createOptionButton(form.h, "h"));
  createLabel(form.Label1, "Label1");
  createTextBox(form.a, "a");
  createLabel(form.Label2, "Label2");
  createTextBox(form.b, "b");
  createLabel(form.e, "e");
  createLabel(form.c, "c");
  createLabel(form.f, "f");
  createLabel(form.d, "d");
  applyLayout();
  DrawInTheClassicStyle(*this);
}

// Every edit, typed, deleted or pasted, goes to the model's text box, which raises Change.
QLineEdit* CalculatorWindow::createTextBox(TextBox& box, const char* name) {
  auto* edit = new QLineEdit(ToQString(box.Text()), this);
  edit->setObjectName(ObjectName(name));
  edit->setMaxLength(std::numeric_limits<int>::max());  // the boxes limit nothing
  connect(edit, &QLineEdit::textChanged, this,
          [&box](const QString& text) { box.SetText(text.toStdU16String()); });
  KeepToOneLine(edit);
  LimitUndoSteps(edit);
  return edit;
}

// A click or an arrow key selects through the model, which clears the partner and raises Click;
// the model's selection, whoever made it, is what the buttons show.
QRadioButton* CalculatorWindow::createOptionButton(OptionButton& button, const char* name) {
  auto* radio = new QRadioButton(ToQString(button.Caption()), this);
  radio->setObjectName(ObjectName(name));
  connect(radio, &QRadioButton::toggled, this, [&button](bool checked) {
    if (checked) button.SetValue(true);
  });
  // The pair is one tab stop, the selected button; the arrow keys move between the two.
  auto repaint = [radio = QPointer(radio), &button] {
    if (!radio) return;
    radio->setChecked(button.Value());
    radio->setFocusPolicy(button.Value() ? Qt::StrongFocus : Qt::ClickFocus);
  };
  button.Repaint.Bind(repaint);
  repaint();
  return radio;
}

QLabel* CalculatorWindow::createLabel(Label& label, const char* name) {
  auto* text = new QLabel(ToQString(label.Caption()), this);
  text->setObjectName(ObjectName(name));
  text->setTextFormat(Qt::PlainText);
  label.Repaint.Bind([text = QPointer(text), &label] {
    if (text) text->setText(ToQString(label.Caption()));
  });
  return text;
}

void CalculatorWindow::applyLayout() {
  setFixedSize(Pixels(design::ClientWidth), Pixels(design::ClientHeight));
  setPalette(PaletteFor(design::MenuColour));  // which a window fills its background with

  std::vector<std::pair<int, QWidget*>> tabOrder;  // tab index, control
  for (const design::ControlDesign& control : design::Controls) {
    auto* widget = findChild<QWidget*>(ObjectName(control.name));
    widget->setGeometry(PixelRect(control));
    widget->setPalette(ControlPalette(*widget, control.background));
    widget->setToolTip(ToQString(control.toolTip));
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setAlignment(Horizontal(control.align) | Qt::AlignTop);
      label->setAutoFillBackground(true);
      if (control.border) label->setFrameStyle(QFrame::Box | QFrame::Plain);
      // A screen reader announces the named control by this caption: "ロンアガリ 7700".
      if (!control.labels.empty()) label->setBuddy(findChild<QWidget*>(ObjectName(control.labels)));
      label->setIndent(0);  // a framed QLabel would indent its text by half an "x"
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      edit->setAlignment(Horizontal(control.align) | Qt::AlignVCenter);
      edit->setFrame(control.border);
    }
    if (widget->focusPolicy() != Qt::NoFocus) tabOrder.emplace_back(control.tabIndex, widget);
  }

  std::ranges::stable_sort(tabOrder, {}, &std::pair<int, QWidget*>::first);  // ties: table order
  for (std::size_t i = 1; i < tabOrder.size(); ++i) {
    setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
  }
}

}  // namespace orunika::ui

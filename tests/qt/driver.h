// Drives the real calculator window for the shared scenarios (tests/scenarios/scenarios.h) with
// Qt Test's key and mouse events, and reads back what the user sees.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <string>
#include <string_view>

#include "form/m.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/program.h"

namespace orunika::ui {

class WidgetDriver {
 public:
  void Start() {
    window_.reset();
    form_ = std::make_unique<m>();
    window_ = std::make_unique<CalculatorWindow>(*form_);
    ShowCalculator(*form_, *window_);
    if (!QTest::qWaitForWindowActive(window_.get())) qFatal("the window never became active");
  }

  void Type(std::string_view box, std::string_view keys) {
    auto* edit = Focus<QLineEdit>(box);
    QTest::keyClick(edit, Qt::Key_End);
    for (const QChar key : QString::fromUtf8(keys.data(), static_cast<qsizetype>(keys.size()))) {
      if (key == u'\b') {
        QTest::keyClick(edit, Qt::Key_Backspace);
      } else if (key.unicode() < 0x80) {
        QTest::keyClick(edit, static_cast<char>(key.unicode()));
      } else {  // no key of its own: the text alone, as an input method hands it over
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(key), Qt::NoModifier);
      }
    }
  }

  void Paste(std::string_view box, std::string_view text) {
    auto* edit = Focus<QLineEdit>(box);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  }

  // "Shift+Tab", "Ctrl+Z" and the like, as QKeySequence spells them.
  void Press(std::string_view key) {
    const QKeyCombination pressed = QKeySequence::fromString(QString::fromUtf8(key))[0];
    QTest::keyClick(QApplication::focusWidget(), pressed.key(), pressed.keyboardModifiers());
  }

  void Click(std::string_view name) {
    QWidget* widget = Control(name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
  }

  std::string Read(std::string_view what) {
    QString seen;
    if (what == "focus") {
      if (QWidget* focus = QApplication::focusWidget()) seen = focus->objectName();
    } else if (what == "seat") {
      for (auto* seat : window_->findChildren<QRadioButton*>())
        if (seat->isChecked()) seen += seat->objectName();
    } else if (auto* edit = qobject_cast<QLineEdit*>(Control(what))) {
      seen = edit->text();
    } else {
      seen = qobject_cast<QLabel*>(Control(what))->text();
    }
    return seen.toStdString();
  }

  m& Form() { return *form_; }
  CalculatorWindow& Window() { return *window_; }

  QWidget* Control(std::string_view name) {
    auto* widget = window_->findChild<QWidget*>(QString::fromUtf8(name));
    if (!widget) qFatal("no control %.*s", static_cast<int>(name.size()), name.data());
    return widget;
  }

 private:
  // The keyboard goes to the box as a click would give it: with the text left unselected.
  template <typename Widget>
  Widget* Focus(std::string_view name) {
    auto* widget = qobject_cast<Widget*>(Control(name));
    widget->setFocus(Qt::MouseFocusReason);
    return widget;
  }

  std::unique_ptr<m> form_;
  std::unique_ptr<CalculatorWindow> window_;
};

}  // namespace orunika::ui

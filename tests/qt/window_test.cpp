// The drawn window, driven as a user would: real key and mouse events on the widgets, on the
// offscreen platform at 96 dots per inch, at every scale factor CTest runs it with. The shared
// scenarios say what it does, reference pictures how it looks; the rest is what neither sees.
// Throughout, the desktop's theme is unlike the classic one in every colour role and in its font,
// which the window must not take on.
#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <memory>

#include "tests/pictures/differing_controls.h"
#include "tests/scenarios/scenarios.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/look.h"
#include "ui/qt/program.h"

namespace orunika::ui {

class WindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<m> form_;
  std::unique_ptr<CalculatorWindow> window_;

 public:  // the driver of the shared scenarios (tests/scenarios/scenarios.h)
  void Start() {
    window_.reset();
    form_ = std::make_unique<m>();
    window_ = std::make_unique<CalculatorWindow>(*form_);
    ShowCalculator(*form_, *window_);
    // As soon as it is, however busy the machine; only a broken window waits the two minutes.
    if (!QTest::qWaitForWindowActive(window_.get(), 120'000)) qFatal("the window never activated");
  }

  QWidget* Control(std::string_view name) {
    return window_->findChild<QWidget*>(QString::fromUtf8(name));
  }

  // The keyboard goes to the box as a click would give it: with the text left unselected.
  QLineEdit* Focus(std::string_view box) {
    auto* edit = qobject_cast<QLineEdit*>(Control(box));
    edit->setFocus(Qt::MouseFocusReason);
    return edit;
  }

  // "\b" is Backspace. A character with no key of its own comes as its text alone, as an input
  // method hands it over.
  void Type(std::string_view box, std::string_view keys) {
    QTest::keyClick(Focus(box), Qt::Key_End);
    for (const QChar key : QString::fromUtf8(keys)) {
      const Qt::Key code =
          key.unicode() < 0x80 ? QTest::asciiToKey(key.toLatin1()) : Qt::Key_unknown;
      QTest::sendKeyEvent(QTest::Click, Focus(box), code, QString(key), Qt::NoModifier);
    }
  }

  void Paste(std::string_view box, std::string_view text) {
    QTest::keyClick(Focus(box), Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
    Press("Ctrl+V");
  }

  // "Shift+Tab", "Ctrl+Z" and the like, as QKeySequence spells them.
  void Press(std::string_view key) {
    const QKeyCombination pressed = QKeySequence::fromString(QString::fromUtf8(key))[0];
    QTest::keyClick(QApplication::focusWidget(), pressed.key(), pressed.keyboardModifiers());
  }

  void Click(std::string_view name) { QTest::mouseClick(Control(name), Qt::LeftButton); }

  std::string Read(std::string_view what) {
    QWidget* focus = QApplication::focusWidget();
    if (what == "focus") return focus ? focus->objectName().toStdString() : "";
    if (what != "seat") return Control(what)->property("text").toString().toStdString();
    return std::string(Control("g")->property("checked").toBool() ? "g" : "") +
           (Control("h")->property("checked").toBool() ? "h" : "");
  }

 private slots:
  void initTestCase() {
    UseJapanese(*qApp);
    QPalette magenta;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
      magenta.setColor(QPalette::ColorRole(role), Qt::magenta);
    QApplication::setPalette(magenta);
    QApplication::setFont(QFont(u"DejaVu Serif"_qs, 20, QFont::Bold));
  }
  void init() { Start(); }

  void playsEveryScenario() {
    const std::vector<std::string> differences = scenarios::Play(*this);
    // One line each: Qt Test would cut a long failure message short.
    for (const std::string& difference : differences) qWarning("%s", difference.c_str());
    QVERIFY2(differences.empty(), qPrintable(u"%1 steps differ"_qs.arg(differences.size())));
  }

  // Each picture is drawn at the screen's own scale, with no blinking text cursor in it: the
  // keyboard is on a seat. What differs is left beside the test.
  void looksAsTheReferencePictures() {
    for (const QString& picture : {u"start"_qs, u"hand"_qs}) {  // the hand: 3 han, 40 fu, 子
      Start();
      if (picture == u"hand"_qs) {
        Type("a", "3");
        Type("b", "40");
      }
      Click(picture == u"hand"_qs ? "h" : "g");
      const QImage seen = window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
      const QString file = u"%1-%2x.png"_qs.arg(picture).arg(seen.devicePixelRatio());
      const QString reference = QStringLiteral(ORUNIKA_QT_PICTURES "/") + file;
      if (qEnvironmentVariableIntValue("ORUNIKA_REMAKE_PICTURES") == 1) seen.save(reference);
      const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
      if (expected == seen) continue;
      QImage difference = seen;  // red where the two differ
      const auto differs = [&](int x, int y) {
        return !expected.valid(x, y) || expected.pixel(x, y) != seen.pixel(x, y);
      };
      const std::string controls = pictures::DifferingControls(
          96 * seen.devicePixelRatio(), seen.width(), seen.height(), [&](int x, int y) {
            if (differs(x, y)) difference.setPixel(x, y, qRgb(255, 0, 0));
            return differs(x, y);
          });
      seen.save(QStringLiteral(ORUNIKA_TEST_OUTPUT "/") + file);
      difference.save(QStringLiteral(ORUNIKA_TEST_OUTPUT "/difference-") + file);
      QFAIL(qPrintable(file + u" differs in"_qs + QString::fromStdString(controls) +
                       u"; drawn in " ORUNIKA_TEST_OUTPUT ""_qs));
    }
  }

  // What no picture shows: the tooltips, black on pale yellow; which caption a screen reader says
  // with each control ("ロンアガリ 7700"); the icon's two sizes, which a picture that failed to
  // load would lack; and Qt's own texts, such as the context menu's, in Japanese.
  void showsWhatNoPictureDoes() {
    for (const design::ControlDesign& c : design::Controls) {
      QCOMPARE(Control(c.name)->toolTip(), ToQString(c.toolTip));
      if (c.labels.empty()) continue;
      const auto labelledBy =
          QAccessible::queryAccessibleInterface(Control(c.labels))->relations(QAccessible::Label);
      QVERIFY2(labelledBy.size() == 1 && labelledBy[0].first->object() == Control(c.name),
               c.name.data());
    }
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 225));
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipText), QColor(Qt::black));
    const QList<QSize> sizes = window_->windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)));
    const std::unique_ptr<QMenu> menu(Focus("a")->createStandardContextMenu());
    QVERIFY(std::ranges::any_of(menu->actions().first()->text(),  // 元に戻す, Undo
                                [](QChar c) { return c.unicode() >= 0x3000; }));
  }

  // A line break pasted into the middle of a text cuts the pasted text only: what stood after the
  // cursor stays.
  void aPasteIntoTheMiddleEndsAtItsLineBreak() {
    Type("b", "12");
    QTest::keyClick(Focus("b"), Qt::Key_Left);
    QGuiApplication::clipboard()->setText(u"3\r\n4"_qs);
    Press("Ctrl+V");
    QCOMPARE(Read("b"), std::string("132"));
  }

  // Undo forgets a long text's big edits, which would each keep an undo step per character, some
  // 30 bytes each, and keeps everything else: edits of shorter texts, and single keys typed or
  // deleted in a long one. Each row pastes a page before a "4" up to a length, then replaces the
  // characters selected at a cursor (none at -1) with what it types.
  void undoKeepsKeysAndShortEditsOnly() {
    const int limit = 1 << 16, twice = 2 * limit;
    for (const auto& [what, length, cursor, selected, typed, undoable] :
         {std::tuple{"a paste at the limit", limit, -1, 0, u""_qs, true},
          {"a paste past it", limit + 1, -1, 0, u""_qs, false},
          {"a key first", twice, 0, 0, u"5"_qs, true},
          {"a key in the middle", twice, limit + 3, 0, u"5"_qs, true},
          {"a key last", twice, twice, 0, u"5"_qs, true},
          {"a deleted digit", twice, limit, 1, u""_qs, true},
          {"two digits over the first", twice, 0, 1, u"56"_qs, false}}) {
      Start();  // whose box has seen no long text yet
      auto* fu = Focus("b");
      fu->setText(u"4"_qs);
      fu->setCursorPosition(0);
      QString page;
      for (int i = 1; i < length; ++i) page += QChar(u'0' + i % 7);
      fu->insert(page);
      QCoreApplication::processEvents();             // where a big edit's undo steps go
      bool as = fu->cursorPosition() == length - 1;  // just after the paste, forgotten or not
      if (cursor >= 0) {
        fu->setSelection(cursor, selected);
        fu->insert(typed);
        QCoreApplication::processEvents();
      }
      as = as && fu->isUndoAvailable() == undoable;
      if (cursor >= 0 && undoable) fu->undo();
      QVERIFY2(as && (cursor < 0 || !undoable || fu->text() == page + u'4'), what);
    }
  }
};

}  // namespace orunika::ui

QTEST_MAIN(orunika::ui::WindowTest)
#include "window_test.moc"

// The drawn window, driven as a user would: real key and mouse events on the widgets, on the
// offscreen platform at 96 dots per inch, at every scale factor CTest runs it with. The shared
// scenarios say what it does, reference pictures how it looks; the rest is what neither sees.
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QToolTip>
#include <QtTest>
#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "tests/pictures/differing_controls.h"
#include "tests/qt/driver.h"
#include "tests/scenarios/scenarios.h"

// Under AddressSanitizer the heap is the sanitizer's own, which counts it; glibc's sees none of it.
#if defined(__SANITIZE_ADDRESS__)
#define ALLOCATOR_IS_ADDRESS_SANITIZERS 1
#elif defined(__has_feature)
#define ALLOCATOR_IS_ADDRESS_SANITIZERS __has_feature(address_sanitizer)
#else
#define ALLOCATOR_IS_ADDRESS_SANITIZERS 0
#endif
#if ALLOCATOR_IS_ADDRESS_SANITIZERS
#include <sanitizer/allocator_interface.h>
#else
#include <malloc.h>
#endif

namespace orunika::ui {
namespace {

// What the program holds on the heap. Unlike the resident size, it moves neither with what the
// allocator keeps for later nor with what the kernel pages out while other programs are busy.
std::ptrdiff_t LiveHeapBytes() {
#if ALLOCATOR_IS_ADDRESS_SANITIZERS
  return static_cast<std::ptrdiff_t>(__sanitizer_get_current_allocated_bytes());
#else
  const struct mallinfo2 heap = mallinfo2();
  return static_cast<std::ptrdiff_t>(heap.uordblks + heap.hblkhd);
#endif
}

// A desktop theme unlike the classic one in every colour role and in its font, while it lives.
class HostileTheme {
 public:
  HostileTheme() {
    QPalette magenta;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
      magenta.setColor(QPalette::ColorRole(role), Qt::magenta);
    QApplication::setPalette(magenta);
    QApplication::setFont(QFont(u"DejaVu Serif"_qs, 20, QFont::Bold));
  }
  ~HostileTheme() {
    QApplication::setPalette(palette_);
    QApplication::setFont(font_);
  }
  HostileTheme(const HostileTheme&) = delete;
  HostileTheme& operator=(const HostileTheme&) = delete;

 private:
  QPalette palette_ = QApplication::palette();
  QFont font_ = QApplication::font();
};

// The pixels' difference, in red over a faded copy of the reference, and the controls it touches;
// nothing when the pictures are equal.
QString Differences(const QImage& expected, const QImage& seen, QImage& difference) {
  if (expected == seen) return {};
  const QSize size = expected.size().expandedTo(seen.size());
  difference = QImage(size, QImage::Format_RGB32);
  auto differs = [&](int x, int y) {
    const QPoint at(x, y);
    return !expected.valid(at) || !seen.valid(at) || expected.pixel(at) != seen.pixel(at);
  };
  const std::string controls = pictures::DifferingControls(
      96 * seen.devicePixelRatio(), size.width(), size.height(), [&](int x, int y) {
        const bool different = differs(x, y);
        const int faded = expected.valid(x, y) ? 192 + qGray(expected.pixel(x, y)) / 4 : 255;
        difference.setPixel(x, y, different ? qRgb(255, 0, 0) : qRgb(faded, faded, faded));
        return different;
      });
  return u"%1x%2 drawn, %3x%4 expected; differing:%5"_qs.arg(seen.width())
      .arg(seen.height())
      .arg(expected.width())
      .arg(expected.height())
      .arg(QString::fromStdString(controls));
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

  WidgetDriver driver_;

  template <typename Widget = QWidget>
  Widget* control(const char* name) {
    return qobject_cast<Widget*>(driver_.Control(name));
  }

 private slots:
  void initTestCase() { UseJapanese(*qApp); }
  void init() { driver_.Start(); }

  void playsEveryScenario() {
    const std::vector<std::string> differences = scenarios::Play(driver_);
    // One line each: Qt Test would cut a long failure message short.
    for (const std::string& difference : differences) qWarning("%s", difference.c_str());
    QVERIFY2(differences.empty(),
             qPrintable(u"%1 steps differ, listed above"_qs.arg(differences.size())));
  }

  // Each picture is drawn at the screen's own scale, with no blinking text cursor in it: the
  // keyboard is on a seat. A hostile desktop theme must change none of its pixels.
  void looksAsTheReferencePicture_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("hostile");
    QTest::newRow("start") << u"start"_qs << false;
    QTest::newRow("3 han 40 fu, non-dealer") << u"hand"_qs << false;
    QTest::newRow("start, hostile theme") << u"start"_qs << true;
    QTest::newRow("3 han 40 fu, non-dealer, hostile theme") << u"hand"_qs << true;
  }
  void looksAsTheReferencePicture() {
    QFETCH(QString, picture);
    QFETCH(bool, hostile);
    std::unique_ptr<HostileTheme> theme;
    if (hostile) theme = std::make_unique<HostileTheme>();
    driver_.Start();
    if (picture == u"hand"_qs) {
      driver_.Type("a", "3");
      driver_.Type("b", "40");
      driver_.Click("h");
    } else {
      driver_.Click("g");
    }
    const QImage seen = driver_.Window().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString name = u"%1-%2x"_qs.arg(picture).arg(seen.devicePixelRatio());
    const QString file = name + u".png"_qs;
    if (!hostile && qEnvironmentVariableIntValue("ORUNIKA_REMAKE_PICTURES") == 1) {
      QVERIFY(seen.save(QStringLiteral(ORUNIKA_QT_PICTURES "/") + file));
      return;
    }
    const QImage expected = QImage(QStringLiteral(ORUNIKA_QT_PICTURES "/") + file)
                                .convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(file + u": no such reference picture"_qs));
    QImage difference;
    const QString differences = Differences(expected, seen, difference);
    if (differences.isEmpty()) return;
    const QString out = QStringLiteral(ORUNIKA_TEST_OUTPUT "/qt-pictures/");
    QDir().mkpath(out);
    const QString stem = out + name + (hostile ? u"-hostile-theme"_qs : QString());
    seen.save(stem + u".png"_qs);
    difference.save(stem + u".difference.png"_qs);
    QFAIL(qPrintable(file + u": "_qs + differences + u"; see "_qs + stem + u".*"_qs));
  }

  void tooltipsExplainTheInputsAndTheTsumoForm() {
    QCOMPARE(control("a")->toolTip(), u"飜数を入力します。(例:3飜の場合→3)"_qs);
    QCOMPARE(control("b")->toolTip(), u"符を入力します。(例:25符(七対子)の場合→25)"_qs);
    QCOMPARE(control("d")->toolTip(), u"表示形式は(子.親)です"_qs);
    QVERIFY(control("c")->toolTip().isEmpty());
    // Black on pale yellow, which no desktop theme changes.
    HostileTheme theme;
    m form;
    CalculatorWindow window(form);
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 225));
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipText), QColor(Qt::black));
  }

  // A screen reader says the caption with the box or the field: "飜数", "ロンアガリ 7700".
  void eachCaptionLabelsTheControlItNames() {
    for (auto [caption, named] :
         {std::pair{"Label1", "a"}, {"Label2", "b"}, {"e", "c"}, {"f", "d"}}) {
      const auto labelledBy =
          QAccessible::queryAccessibleInterface(control(named))->relations(QAccessible::Label);
      QVERIFY2(labelledBy.size() == 1 && labelledBy[0].first->object() == control(caption), named);
    }
  }

  // A picture that failed to load would leave the icon without sizes.
  void theIconComesInTwoSizes() {
    const QList<QSize> sizes = driver_.Window().windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)));
  }

  void qtsOwnTextsAreJapanese() {
    std::unique_ptr<QMenu> menu(control<QLineEdit>("a")->createStandardContextMenu());
    int texts = 0;
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      ++texts;
      QVERIFY2(std::ranges::any_of(action->text(), [](QChar c) { return c.unicode() >= 0x3000; }),
               qPrintable(action->text()));
    }
    QVERIFY(texts >= 5);
  }

  // A line break pasted into the middle of a text cuts the pasted text only: what stood after the
  // cursor stays.
  void aPasteIntoTheMiddleEndsAtItsLineBreak() {
    auto* fu = control<QLineEdit>("b");
    fu->setText(u"12"_qs);
    fu->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(u"3\r\n4"_qs);
    QTest::keyClick(fu, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(fu->text(), u"132"_qs);
    QCOMPARE(driver_.Form().b.Text(), std::u16string(u"132"));
  }

  // A pasted page is read whole, and undo does not keep every paste: without the limit each page
  // would keep some 30 MiB of undo steps. The undo history keeps the room it once needed, two
  // pages' steps, so the count starts after the second page.
  void pastedPagesAreReadWholeAndLeaveMemoryBounded() {
    driver_.Type("a", "4");
    const QString page = QString((1 << 20) - 2, u'0') + u"45"_qs;
    auto* fu = control<QLineEdit>("b");
    std::ptrdiff_t afterSecondPaste = 0;
    for (int paste = 1; paste <= 6; ++paste) {
      fu->selectAll();
      fu->insert(page);
      QCoreApplication::processEvents();
      if (paste == 2) afterSecondPaste = LiveHeapBytes();
    }
    QCOMPARE(fu->text(), page);
    QCOMPARE(driver_.Read("c"), std::string("12000"));
    const std::ptrdiff_t grown = LiveHeapBytes() - afterSecondPaste;
    QVERIFY2(grown < 8 << 20, qPrintable(QString::number(grown)));
  }

  // Undo forgets a long text's big edits, which would each keep an undo step per character, and
  // keeps everything else: edits of shorter texts, and single keys typed or deleted in a long one.
  void undoKeepsKeysAndShortEditsOnly_data() {
    QTest::addColumn<int>("length");    // of the text with the paste
    QTest::addColumn<int>("cursor");    // where an edit then goes, -1 for none
    QTest::addColumn<int>("selected");  // characters the edit replaces
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("undoable");
    const int limit = 1 << 16, twice = 2 * limit;
    QTest::newRow("a paste at the limit") << limit << -1 << 0 << QString() << true;
    QTest::newRow("a paste past it") << limit + 1 << -1 << 0 << QString() << false;
    QTest::newRow("a key first") << twice << 0 << 0 << u"5"_qs << true;
    QTest::newRow("a key in the middle") << twice << limit + 3 << 0 << u"5"_qs << true;
    QTest::newRow("a key last") << twice << twice << 0 << u"5"_qs << true;
    QTest::newRow("a deleted digit") << twice << limit << 1 << QString() << true;
    QTest::newRow("two digits over the first") << twice << 0 << 1 << u"56"_qs << false;
  }
  void undoKeepsKeysAndShortEditsOnly() {
    QFETCH(int, length);
    QFETCH(int, cursor);
    QFETCH(int, selected);
    QFETCH(QString, typed);
    QFETCH(bool, undoable);
    auto* fu = control<QLineEdit>("b");
    fu->setText(u"4"_qs);
    fu->setCursorPosition(0);
    QString page;
    for (int i = 1; i < length; ++i) page += QChar(u'0' + i % 7);
    fu->insert(page);
    QCoreApplication::processEvents();           // where a big edit's undo steps go
    QCOMPARE(fu->cursorPosition(), length - 1);  // just after the paste, forgotten or not
    page += u'4';
    if (cursor >= 0) {
      fu->setSelection(cursor, selected);
      fu->insert(typed);
      QCoreApplication::processEvents();
      QCOMPARE(fu->cursorPosition(), cursor + typed.size());
    }
    QCOMPARE(fu->isUndoAvailable(), undoable);
    if (cursor < 0 || !undoable) return;
    fu->undo();
    QCOMPARE(fu->text(), page);  // the edit alone undone
  }
};

}  // namespace orunika::ui

QTEST_MAIN(orunika::ui::WindowTest)
#include "window_test.moc"

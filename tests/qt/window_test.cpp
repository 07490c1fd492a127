// The drawn window, driven as a user would: real key and mouse events on the widgets, on the
// offscreen platform at 96 dots per inch, and at every scale factor CTest runs it with.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolTip>
#include <QtTest>
#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>

#include "form/m.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/japanese.h"
#include "ui/qt/start.h"

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

const QString Required = u"入力が必要"_qs;

// The colour drawn at a logical point, whatever the screen's scale.
QColor PixelAt(QWidget* widget, QPoint point) {
  const QPixmap picture = widget->grab();
  return picture.toImage().pixelColor((QPointF(point) * picture.devicePixelRatio()).toPoint());
}

// A widget drawn on white at scale 1, whatever the screen's scale.
QImage AtScaleOne(QWidget* widget) {
  QImage image(widget->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  widget->render(&image);
  return image;
}

// Where a widget draws its text: inside the frame, beside an option button's well.
QRect TextArea(QWidget* widget, const QImage& image) {
  if (const auto* frame = qobject_cast<QFrame*>(widget)) return frame->contentsRect();
  if (qobject_cast<QRadioButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(widget);
    return widget->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, widget);
  }
  return image.rect();
}

// Where dark text is drawn in a picture of a widget, in logical pixels, well inside its frame.
QRect InkBox(QWidget* widget, const QImage& image) {
  const QRect inside = TextArea(widget, image).adjusted(2, 2, -2, -2);
  QRect ink;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 96) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

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

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<m> form_;
  std::unique_ptr<CalculatorWindow> window_;

  template <typename Widget = QWidget>
  Widget* control(const char* name) {
    auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) qFatal("no control %s", name);
    return widget;
  }
  QString shown(const char* name) { return control<QLabel>(name)->text(); }
  void typeInto(const char* box, const QString& keys) {
    QTest::keyClicks(control<QLineEdit>(box), keys);
  }
  void compareResults(const QString& ron, const QString& tsumo) {
    QCOMPARE(shown("c"), ron);
    QCOMPARE(shown("d"), tsumo);
  }

 private slots:
  void initTestCase() { UseJapanese(*qApp); }
  void init() {
    form_ = std::make_unique<m>();
    window_ = std::make_unique<CalculatorWindow>(*form_);
    ShowCalculator(*form_, *window_);
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() {
    window_.reset();
    form_.reset();
  }

  void everyControlStandsOnItsPixels_data() {
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("g") << QRect(0, 0, 41, 25);
    QTest::newRow("Label1") << QRect(48, 0, 49, 25);
    QTest::newRow("a") << QRect(96, 0, 121, 23);
    QTest::newRow("h") << QRect(0, 24, 41, 25);
    QTest::newRow("Label2") << QRect(48, 24, 49, 25);
    QTest::newRow("b") << QRect(96, 24, 121, 23);
    QTest::newRow("e") << QRect(0, 48, 97, 25);
    QTest::newRow("c") << QRect(96, 48, 121, 23);
    QTest::newRow("f") << QRect(0, 72, 97, 25);
    QTest::newRow("d") << QRect(96, 72, 121, 23);
  }
  void everyControlStandsOnItsPixels() {
    QFETCH(QRect, pixels);
    QCOMPARE(control(QTest::currentDataTag())->geometry(), pixels);
  }

  void startsWithTheDealerSelectedBothFieldsAskingAndTheKeyboardInTheHanBox() {
    QCOMPARE(window_->windowTitle(), u"Orunika"_qs);
    QCOMPARE(window_->size(), QSize(218, 96));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(control<QRadioButton>("g")->isChecked() && !control<QRadioButton>("h")->isChecked());
    compareResults(Required, Required);
    QCOMPARE(QApplication::focusWidget(), control("a"));
    const char16_t* captions[] = {u"飜数", u"符", u"ロンアガリ", u"ツモアガリ"};
    const char* labels[] = {"Label1", "Label2", "e", "f"};
    for (int i = 0; i < 4; ++i) QCOMPARE(shown(labels[i]), QString::fromUtf16(captions[i]));
    // The captions stand centred; the results start against the frame, not indented from it.
    for (auto [name, centred] : {std::pair{"Label1", true},
                                 {"Label2", true},
                                 {"e", true},
                                 {"f", true},
                                 {"c", false},
                                 {"d", false}}) {
      QWidget* label = control(name);
      const QRect ink = InkBox(label, AtScaleOne(label));
      const int left = ink.left(), right = label->width() - 1 - ink.right();
      QVERIFY2(centred ? std::abs(left - right) <= 2 : left <= 3, name);
    }
  }

  // A pasted page is read whole, and undo does not keep every paste: without the limit each page
  // would keep some 30 MiB of undo steps. The undo history keeps the room it once needed, two
  // pages' steps, so the count starts after the second page.
  void pastedPagesAreReadWholeAndLeaveMemoryBounded() {
    typeInto("a", u"4"_qs);
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
    compareResults(u"12000"_qs, u"4000"_qs);
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

  // A single-line box keeps a pasted or dropped text up to its first line break, as the Windows
  // program's boxes do; the rest of the box and everything else pasted stay as they are.
  void aPasteEndsAtItsFirstLineBreak_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::newRow("a spreadsheet cell") << QString() << 0 << u"40\r\n"_qs << u"40"_qs;
    QTest::newRow("LF") << QString() << 0 << u"40\n25\n"_qs << u"40"_qs;
    QTest::newRow("CR") << QString() << 0 << u"40\r25"_qs << u"40"_qs;
    QTest::newRow("an empty first line") << u"7"_qs << 1 << u"\r\n40"_qs << u"7"_qs;
    QTest::newRow("into the middle") << u"12"_qs << 1 << u"3\r\n4"_qs << u"132"_qs;
    QTest::newRow("no line break") << u"1"_qs << 1 << u" 4\t0 "_qs << u"1 4\t0 "_qs;
  }
  void aPasteEndsAtItsFirstLineBreak() {
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    auto* fu = control<QLineEdit>("b");
    fu->setText(before);
    fu->setCursorPosition(cursor);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(fu, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(fu->text(), after);
    QCOMPARE(form_->b.Text(), after.toStdU16String());
  }

  void tabVisitsHanFuAndTheSelectedSeatOnly() {
    for (const char* seat : {"g", "h"}) {  // as the window starts, then with 子 selected
      if (seat == std::string_view("h")) control<QRadioButton>(seat)->click();
      control("a")->setFocus();
      for (const char* next : {"b", seat, "a"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(next));
      }
    }
    for (QLabel* label : window_->findChildren<QLabel*>())
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
  }

  void tooltipsExplainTheInputsAndTheTsumoForm() {
    QCOMPARE(control("a")->toolTip(), u"飜数を入力します。(例:3飜の場合→3)"_qs);
    QCOMPARE(control("b")->toolTip(), u"符を入力します。(例:25符(七対子)の場合→25)"_qs);
    QCOMPARE(control("d")->toolTip(), u"表示形式は(子.親)です"_qs);
    QVERIFY(control("c")->toolTip().isEmpty());
  }

  // Read off the drawn pixels, so that neither a style nor a desktop theme can change them unseen.
  void coloursAndBordersAreTheClassicOnesWhateverTheTheme() {
    QCOMPARE(PixelAt(window_.get(), {44, 10}), QColor(212, 208, 200));  // between g and Label1
    QCOMPARE(PixelAt(window_.get(), control("c")->geometry().bottomRight() - QPoint(4, 4)),
             QColor(224, 224, 224));  // as the window draws it, not as the field alone would
    QCOMPARE(PixelAt(control("d"), {0, 10}), QColor(Qt::black));  // the single-line border
    for (const char* caption : {"Label1", "Label2", "e", "f"})    // and none round a caption
      QCOMPARE(PixelAt(control(caption), {0, 10}), QColor(212, 208, 200));
    QCOMPARE(PixelAt(control("a"), {110, 12}), QColor(Qt::white));
    auto* nonDealer = control<QRadioButton>("h");
    QStyleOptionButton option;
    option.initFrom(nonDealer);
    const QRect well =
        nonDealer->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, nonDealer);
    QCOMPARE(PixelAt(nonDealer, well.center()), QColor(Qt::white));  // as the classic wells are
    // A desktop theme of a colour no classic role has changes none of the colours the window
    // draws with: its texts, fills and edges, and its tooltips'.
    QPalette themed;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
      themed.setColor(QPalette::ColorRole(role), Qt::darkMagenta);
    QApplication::setPalette(themed);
    m form;
    CalculatorWindow window(form);
    const QPalette toolTips = QToolTip::palette();
    QApplication::setPalette(QPalette());
    QCOMPARE(toolTips.color(QPalette::ToolTipBase), QColor(255, 255, 225));
    QCOMPARE(toolTips.color(QPalette::ToolTipText), QColor(Qt::black));
    for (QWidget* widget : window.findChildren<QWidget*>()) {
      const QPalette& plain = control(qPrintable(widget->objectName()))->palette();
      for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                        QPalette::Window, QPalette::Base, QPalette::Button, QPalette::Light,
                        QPalette::Midlight, QPalette::Mid, QPalette::Dark, QPalette::Shadow}) {
        QVERIFY2(widget->palette().color(role) == plain.color(role),
                 qPrintable(widget->objectName()));
      }
    }
  }

  // As on Windows, a text box is sunken, edged by two lines lit from the top left (the style draws
  // the left and right edges as the top and bottom). Read off the screen's pixels: the Windows
  // style draws each line one pixel wide at any scale.
  void theTextBoxesAreSunken_data() {
    QTest::addColumn<int>("row");  // from the top, or from the bottom if negative
    QTest::addColumn<QColor>("colour");
    QTest::newRow("outer top") << 0 << QColor(128, 128, 128);
    QTest::newRow("inner top") << 1 << QColor(64, 64, 64);
    QTest::newRow("outer bottom") << -1 << QColor(Qt::white);
    QTest::newRow("inner bottom") << -2 << QColor(212, 208, 200);
  }
  void theTextBoxesAreSunken() {
    QFETCH(int, row);
    QFETCH(QColor, colour);
    for (const char* name : {"a", "b"}) {
      const QImage box = control(name)->grab().toImage();
      QCOMPARE(box.pixelColor(box.width() / 2, row < 0 ? box.height() + row : row), colour);
    }
  }

  // Whatever the desktop's own font, as the Windows program's is.
  void theFontIsAJapaneseGothicAtFourteenAndAQuarterPoints() {
    QFont desktops(u"DejaVu Serif"_qs, 20, QFont::Bold);
    const QFont before = QApplication::font();
    QApplication::setFont(desktops);
    m form;
    CalculatorWindow window(form);
    QApplication::setFont(before);
    for (QWidget* widget : window.findChildren<QWidget*>()) {
      QCOMPARE(widget->font().pointSizeF(), 14.25);
      QCOMPARE(widget->font().weight(), QFont::Normal);
      QCOMPARE(widget->font().families(), window_->font().families());
    }
    const QRawFont resolved = QRawFont::fromFont(window_->font());
    QVERIFY2(resolved.familyName().contains(u"Gothic"_qs), qPrintable(resolved.familyName()));
    for (char32_t glyph : {U'親', U'飜', U'符', U'ツ', U'3'})
      QVERIFY(resolved.supportsCharacter(glyph));
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
    const QList<QSize> sizes = window_->windowIcon().availableSizes();
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

  // On a high-DPI screen the window keeps its logical layout (above) and draws every text where
  // it would be drawn at scale 1, no more clipped.
  void textIsDrawnAsAtScaleOne() {
    typeInto("a", u"13"_qs);
    typeInto("b", u"1300.2600"_qs);
    control<QRadioButton>("h")->click();
    control("h")->setFocus();  // no blinking text cursor in either picture
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
      const QImage atOne = AtScaleOne(widget);
      const QImage drawn = widget->grab().toImage().scaled(widget->size(), Qt::IgnoreAspectRatio,
                                                           Qt::SmoothTransformation);
      const QRect expected = InkBox(widget, atOne), seen = InkBox(widget, drawn);
      QVERIFY2(!expected.isEmpty(), qPrintable(widget->objectName()));
      for (auto edge : {&QRect::left, &QRect::top, &QRect::right, &QRect::bottom})
        QVERIFY2(std::abs((seen.*edge)() - (expected.*edge)()) <= 2,
                 qPrintable(widget->objectName()));
    }
  }
};

}  // namespace orunika::ui

QTEST_MAIN(orunika::ui::WindowTest)
#include "window_test.moc"

// The drawn window, driven as a user would: real key and mouse events on the widgets, on the
// offscreen platform at 96 dots per inch.
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRawFont>
#include <QtTest>
#include <memory>

#include "form/m.h"
#include "ui/calculator_window.h"
#include "ui/japanese.h"
#include "ui/start.h"

namespace orunika::ui {
namespace {

const QString Required = u"入力が必要"_qs;

// The colour drawn at a logical point, whatever the screen's scale.
QColor PixelAt(QWidget* widget, QPoint point) {
  const QPixmap picture = widget->grab();
  return picture.toImage().pixelColor((QPointF(point) * picture.devicePixelRatio()).toPoint());
}

// Where dark text is drawn in a picture of a widget, in logical pixels, inside its frame.
QRect InkBox(QWidget* widget, const QImage& image) {
  const auto* frame = qobject_cast<QFrame*>(widget);
  const QRect inside = (frame ? frame->contentsRect() : image.rect()).adjusted(2, 2, -2, -2);
  QRect ink;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 96) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<m> form_;
  std::unique_ptr<CalculatorWindow> window_;

  template <typename Widget>
  Widget* control(const char* name) {
    auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) qFatal("no control %s", name);
    return widget;
  }
  QString shown(const char* name) { return control<QLabel>(name)->text(); }

  // Each key goes through the focused widget, as on a keyboard.
  void typeInto(const char* box, const QString& keys) {
    QTest::keyClicks(control<QLineEdit>(box), keys);
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
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("g") << u"g"_qs << QRect(0, 0, 41, 25);
    QTest::newRow("Label1") << u"Label1"_qs << QRect(48, 0, 49, 25);
    QTest::newRow("a") << u"a"_qs << QRect(96, 0, 121, 23);
    QTest::newRow("h") << u"h"_qs << QRect(0, 24, 41, 25);
    QTest::newRow("Label2") << u"Label2"_qs << QRect(48, 24, 49, 25);
    QTest::newRow("b") << u"b"_qs << QRect(96, 24, 121, 23);
    QTest::newRow("e") << u"e"_qs << QRect(0, 48, 97, 25);
    QTest::newRow("c") << u"c"_qs << QRect(96, 48, 121, 23);
    QTest::newRow("f") << u"f"_qs << QRect(0, 72, 97, 25);
    QTest::newRow("d") << u"d"_qs << QRect(96, 72, 121, 23);
  }
  void everyControlStandsOnItsPixels() {
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QCOMPARE(window_->findChild<QWidget*>(name)->geometry(), pixels);
    QCOMPARE(window_->size(), QSize(218, 96));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
  }

  void startsWithTheDealerSelectedBothFieldsAskingAndTheKeyboardInTheHanBox() {
    QCOMPARE(window_->windowTitle(), u"Orunika"_qs);
    QVERIFY(control<QRadioButton>("g")->isChecked());
    QVERIFY(!control<QRadioButton>("h")->isChecked());
    QCOMPARE(shown("c"), Required);
    QCOMPARE(shown("d"), Required);
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("a"));
    QVERIFY(control<QLineEdit>("a")->text().isEmpty());
    for (auto [name, caption] : {std::pair{"Label1", u"飜数"},
                                 {"Label2", u"符"},
                                 {"e", u"ロンアガリ"},
                                 {"f", u"ツモアガリ"}}) {
      QCOMPARE(shown(name), QString::fromUtf16(caption));
    }
  }

  void typedKeysShowWhatTheFormShows() {
    typeInto("a", u"3"_qs);
    typeInto("b", u"4"_qs);
    QCOMPARE(shown("c"), Required);
    typeInto("b", u"0"_qs);
    QCOMPARE(shown("c"), u"7700"_qs);
    QCOMPARE(shown("d"), u"2600"_qs);
    QTest::mouseClick(control<QRadioButton>("h"), Qt::LeftButton);
    QCOMPARE(shown("c"), u"5200"_qs);
    QCOMPARE(shown("d"), u"1300.2600"_qs);
    QVERIFY(!control<QRadioButton>("g")->isChecked());
    typeInto("b", u"x"_qs);
    QCOMPARE(shown("d"), Required);
    QTest::keyClick(control<QLineEdit>("b"), Qt::Key_Backspace);
    QCOMPARE(shown("d"), u"1300.2600"_qs);
    typeInto("a", u"0"_qs);  // 30 han is no han count
    QCOMPARE(shown("c"), Required);
  }

  void aLimitHandStaysWhenTheFuIsEmptied() {
    typeInto("b", u"3"_qs);
    typeInto("a", u"5"_qs);
    QCOMPARE(shown("c"), u"12000"_qs);
    QTest::keyClick(control<QLineEdit>("b"), Qt::Key_Backspace);
    QCOMPARE(shown("c"), u"12000"_qs);
    QCOMPARE(shown("d"), u"4000"_qs);
  }

  void theTextBoxesLimitNothing() {
    const QString page = QString(100000, u'0') + u"45"_qs;
    control<QLineEdit>("b")->insert(page);
    typeInto("a", u"4"_qs);
    QCOMPARE(control<QLineEdit>("b")->text().size(), page.size());
    QCOMPARE(shown("c"), u"12000"_qs);
  }

  void tabVisitsHanFuAndTheSelectedSeat() {
    for (const char* seat : {"g", "h"}) {
      control<QRadioButton>(seat)->click();
      control<QLineEdit>("a")->setFocus();
      for (const char* next : {"b", seat, "a"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
      }
    }
  }

  void arrowKeysMoveTheSeatAndRecompute() {
    typeInto("a", u"13"_qs);
    control<QRadioButton>("g")->setFocus();
    QTest::keyClick(control<QRadioButton>("g"), Qt::Key_Down);
    QVERIFY(control<QRadioButton>("h")->isChecked());
    QCOMPARE(shown("c"), u"32000"_qs);
    QTest::keyClick(control<QRadioButton>("h"), Qt::Key_Up);
    QVERIFY(control<QRadioButton>("g")->isChecked());
    QCOMPARE(shown("c"), u"48000"_qs);
  }

  void tooltipsExplainTheInputsAndTheTsumoForm() {
    QCOMPARE(control<QLineEdit>("a")->toolTip(), u"飜数を入力します。(例:3飜の場合→3)"_qs);
    QCOMPARE(control<QLineEdit>("b")->toolTip(), u"符を入力します。(例:25符(七対子)の場合→25)"_qs);
    QCOMPARE(control<QLabel>("d")->toolTip(), u"表示形式は(子.親)です"_qs);
    QVERIFY(control<QLabel>("c")->toolTip().isEmpty());
  }

  void labelsNeverTakeTheFocus() {
    for (QLabel* label : window_->findChildren<QLabel*>())
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
  }

  // Read off the drawn pixels, so that neither a style nor a desktop theme can change them unseen.
  void coloursAndBordersAreTheClassicOnes() {
    QCOMPARE(PixelAt(window_.get(), {45, 90}), QColor(212, 208, 200));
    QCOMPARE(PixelAt(control<QLabel>("c"), {115, 12}), QColor(224, 224, 224));
    QCOMPARE(PixelAt(control<QLabel>("d"), {0, 10}), QColor(0, 0, 0));  // the single-line border
    QCOMPARE(PixelAt(control<QLineEdit>("a"), {110, 12}), QColor(255, 255, 255));
    for (const char* name : {"c", "d", "e", "Label1"}) {
      QCOMPARE(control<QLabel>(name)->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
    QCOMPARE(control<QLineEdit>("a")->palette().color(QPalette::Text), QColor(Qt::black));
  }

  void aDarkDesktopThemeLeavesEveryTextBlackOnLight() {
    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
      dark.setColor(role, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      dark.setColor(role, Qt::white);
    QApplication::setPalette(dark);
    m form;
    CalculatorWindow window(form);
    QApplication::setPalette(QPalette());
    for (QWidget* widget : window.findChildren<QWidget*>()) {
      for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        QCOMPARE(widget->palette().color(role), QColor(Qt::black));
      QVERIFY(widget->palette().color(widget->backgroundRole()).lightness() > 200);
    }
  }

  void theFontIsAJapaneseGothicAtFourteenAndAQuarterPoints() {
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
      QCOMPARE(widget->font().pointSizeF(), 14.25);
      QCOMPARE(widget->font().weight(), QFont::Normal);
    }
    const QRawFont resolved = QRawFont::fromFont(window_->font());
    QVERIFY2(resolved.familyName().contains(u"Gothic"_qs, Qt::CaseInsensitive),
             qPrintable(resolved.familyName()));
    for (char32_t glyph : {U'親', U'飜', U'符', U'ツ', U'3'})
      QVERIFY(resolved.supportsCharacter(glyph));
  }

  // Text still in composition is not yet the box's text; only what is committed counts.
  void anInputMethodChangesTheBoxOnlyWhenItCommits() {
    auto* han = control<QLineEdit>("a");
    auto compose = [han](const QString& preedit, const QString& commit) {
      QInputMethodEvent event(preedit, {});
      event.setCommitString(commit);
      QApplication::sendEvent(han, &event);
    };
    typeInto("b", u"30"_qs);
    compose(u"１"_qs, {});
    QCOMPARE(han->text(), QString());
    QCOMPARE(form_->a.Text(), u"");
    compose({}, u"３"_qs);
    QCOMPARE(shown("c"), Required);
    han->clear();
    compose(u"1"_qs, {});
    compose({}, u"1"_qs);
    QCOMPARE(shown("c"), u"1500"_qs);
  }

  void qtsOwnTextsAreJapanese() {
    std::unique_ptr<QMenu> menu(control<QLineEdit>("a")->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) texts << action->text();
    }
    QVERIFY2(texts.size() >= 5, qPrintable(texts.join(u' ')));
    for (const QString& text : texts) {
      QVERIFY2(std::ranges::any_of(text, [](QChar c) { return c.unicode() >= 0x3000; }),
               qPrintable(text));
    }
  }

  // On a high-DPI screen the window keeps its logical size (above) and draws every text where it
  // would be drawn at scale 1, no more clipped.
  void textIsDrawnAsAtScaleOne() {
    typeInto("a", u"13"_qs);
    typeInto("b", u"1300.2600"_qs);
    control<QRadioButton>("h")->click();
    control<QRadioButton>("h")->setFocus();  // no blinking text cursor in either picture
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
      QImage atOne(widget->size(), QImage::Format_RGB32);
      atOne.fill(Qt::white);
      widget->render(&atOne);
      const QImage onScreen = widget->grab().toImage().scaled(widget->size(), Qt::IgnoreAspectRatio,
                                                              Qt::SmoothTransformation);
      const QRect expected = InkBox(widget, atOne), drawn = InkBox(widget, onScreen);
      QVERIFY2(!expected.isEmpty(), qPrintable(widget->objectName()));
      for (auto edge : {&QRect::left, &QRect::top, &QRect::right, &QRect::bottom}) {
        QVERIFY2(std::abs((drawn.*edge)() - (expected.*edge)()) <= 2,
                 qPrintable(widget->objectName()));
      }
    }
  }

  void theIconIsAGlobeInTwoSizes() {
    const QList<QSize> sizes = window_->windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
    // Blue oceans and green land, not an empty or broken picture.
    const QImage globe = window_->windowIcon().pixmap(32, 32).toImage();
    int blue = 0, green = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const QColor pixel = globe.pixelColor(x, y);
        blue +=
            pixel.alpha() > 0 && pixel.blue() > pixel.red() + 40 && pixel.blue() > pixel.green();
        green +=
            pixel.alpha() > 0 && pixel.green() > pixel.red() + 40 && pixel.green() > pixel.blue();
      }
    }
    QVERIFY2(blue > 100 && green > 50, qPrintable(u"%1 blue, %2 green"_qs.arg(blue).arg(green)));
  }
};

}  // namespace orunika::ui

QTEST_MAIN(orunika::ui::WindowTest)
#include "window_test.moc"

// The yardstick for tools/measure-startup: the least a Qt Widgets program can show, at the
// calculator's size, so that what Orunika adds to Qt's own start-up cost stands out. With --label
// it also shows one Japanese text in Qt's default font, because the first text of any program
// costs fontconfig's set-up and a font's loading, which the empty window never pays.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(u"Minimal"_qs);
  window.setFixedSize(218, 96);
  if (QApplication::arguments().contains(u"--label"_qs)) new QLabel(u"入力が必要"_qs, &window);
  window.show();
  return QApplication::exec();
}

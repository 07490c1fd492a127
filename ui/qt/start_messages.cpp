#include "ui/qt/start_messages.h"

#include <QMessageLogContext>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace orunika::ui {
namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

QtMessageHandler qtHandler = nullptr;
std::vector<HeldMessage> held;

QString FirstLine(const QString& text) { return text.section(u'\n', 0, 0).trimmed(); }

// Qt's platform layer says why under its qt.qpa categories ("could not connect to display :1");
// where it said nothing, its last word does ("Cannot create window: no screens available").
QString Reason(const QString& fatal) {
  QStringList reasons;
  for (const HeldMessage& message : held) {
    if (message.category.startsWith("qt.qpa")) reasons += FirstLine(message.text);
  }
  return reasons.isEmpty() ? FirstLine(fatal) : reasons.join(u"; "_qs);
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    held.push_back({type, context.category, text});
    return;
  }
  std::fprintf(stderr, "orunika: there is no display to open the window on (%s)\n",
               qUtf8Printable(Reason(text)));
  std::fflush(stderr);
  std::_Exit(EXIT_FAILURE);  // from inside Qt's start: no destructor of Qt's may run now
}

}  // namespace

void HoldQtMessages() { qtHandler = qInstallMessageHandler(Hold); }

void ReleaseQtMessages() {
  qInstallMessageHandler(qtHandler);
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qtHandler(message.type, context, message.text);
  }
  held.clear();
}

}  // namespace orunika::ui

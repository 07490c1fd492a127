#pragma once

class QApplication;

namespace orunika::ui {

// Installs Qt's Japanese translation whatever the desktop's language, so that what Qt itself
// shows, such as the text boxes' context menu, reads in Japanese beside the window's own texts.
// Qt's translations come from the system; without them Qt's own texts stay in English.
void UseJapanese(QApplication& application);

}  // namespace orunika::ui

// What Qt says while the window opens. Qt decides whether a window can open, trying each platform
// it would use in turn, and ends the program with an abort and a core dump when none can. Its
// messages until the window shows are held back: a fatal one becomes the program's one line,
// "there is no display to open the window on (why)", and status 1; once the window shows, the held
// messages go on to Qt's own handler as if never held.
#pragma once

namespace orunika::ui {

// Before the application object, which is where Qt looks for a platform.
void HoldQtMessages();

// After the window is shown: a platform such as linuxfb fails only when the window is made.
void ReleaseQtMessages();

}  // namespace orunika::ui

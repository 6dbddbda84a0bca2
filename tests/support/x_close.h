#pragma once
// Closing an X window as a window manager's close box does, for end-to-end
// tests under Xvfb, which runs no window manager.

#include <QString>

// Sends the ICCCM WM_DELETE_WINDOW request to `window` (an X window id, as
// xdotool prints it); false when the display cannot be reached.
bool askWindowToClose(const QString &window);

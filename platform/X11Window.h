#pragma once

#include <QSize>
#include <optional>

// Qt's X11 connection, and the X11 windows a screensaver hands over. Need a Qt application on
// the X11 ("xcb") platform.

struct xcb_connection_t;

// Qt's own connection to the X11 display; null on any other platform.
xcb_connection_t* QtX11Connection();

// True when Qt runs on an X11 display.
bool OnX11Display();

// The root window of the default screen.
unsigned long X11RootWindow();

// The window's size in pixels; nothing when there is no such window (any more).
std::optional<QSize> X11WindowSize(unsigned long window);

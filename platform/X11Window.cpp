#include "platform/X11Window.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>

xcb_connection_t* QtX11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

bool OnX11Display() {
    return QtX11Connection() != nullptr;
}

unsigned long X11RootWindow() {
    xcb_connection_t* c = QtX11Connection();
    if (!c)
        return 0;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    return screen ? screen->root : 0;
}

std::optional<QSize> X11WindowSize(unsigned long window) {
    xcb_connection_t* c = QtX11Connection();
    if (!c)
        return std::nullopt;
    xcb_generic_error_t* error = nullptr;
    xcb_get_geometry_reply_t* reply =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, static_cast<xcb_window_t>(window)), &error);
    std::free(error);
    if (!reply)
        return std::nullopt;
    const QSize size(reply->width, reply->height);
    std::free(reply);
    return size;
}

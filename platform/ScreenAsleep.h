#pragma once

#include <memory>

class QWindow;

// Tells whether the screen a window is on shows nothing at all: the X server has blanked it
// (its own screen saver, in its blanking form) or switched the monitor off (DPMS standby,
// suspend or off). Asked of the server a few times a second, never waiting for its answer; on
// other window systems, or without those extensions, the screen never counts as asleep.
class ScreenSleepWatch {
public:
    explicit ScreenSleepWatch(QWindow* window);
    ~ScreenSleepWatch();
    ScreenSleepWatch(const ScreenSleepWatch&) = delete;
    ScreenSleepWatch& operator=(const ScreenSleepWatch&) = delete;

    // The answer the server last gave; asks again when the last question is old enough.
    bool asleep();

private:
    class Server;
    std::unique_ptr<Server> m_server;
};

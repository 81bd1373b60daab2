#pragma once

#include <string>

class QSurfaceFormat;

// Keeps Qt's own messages back while it lives. A fatal one (Qt cannot open the display or load
// its platform plugin) ends the process with one line on standard error naming the display, and
// `fatalStatus`, instead of Qt's abort. On passOn() the held messages go out as usual.
class HeldQtMessages {
public:
    explicit HeldQtMessages(int fatalStatus = 1);
    ~HeldQtMessages();
    HeldQtMessages(const HeldQtMessages&) = delete;
    HeldQtMessages& operator=(const HeldQtMessages&) = delete;
    void passOn();

private:
    bool m_holding = true;
};

// The display the windowing system was asked for, for messages: "DISPLAY=:0", "DISPLAY is not set".
std::string DisplayDescription();

// True when an OpenGL context of `format` can be made on the open display.
bool CanMakeGlContext(const QSurfaceFormat& format);

// No OpenGL: one line on standard error, the "ChoosePixelFormat failed" box where boxes can be
// shown, and exit status 1.
[[noreturn]] void EndForMissingOpenGl();

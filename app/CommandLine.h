#pragma once

#include <string>
#include <vector>

// What the command line asks for. Without --window the tank covers the whole screen.
struct CommandLineOptions {
    int windowWidth = 0;  // --window WxH: a normal window whose size stands for the screen's
    int windowHeight = 0;
    long frames = -1;            // --frames N: run N ticks, then tear down and exit 0
    std::string screenshotPath;  // --screenshot FILE.png: the last drawn frame, saved at exit
    std::string storageDir;      // --storage-dir DIR
    bool benchmark = false;      // --benchmark: tick as fast as possible, print timings at exit
    bool help = false;
    bool version = false;
    int screen = -1;  // --screen N: the monitor for the full-screen tank (-1: under the pointer)
    // Screensaver mode, the way screensavers run their programs: -root draws on the screensaver's
    // window (XSCREENSAVER_WINDOW) or the root window; -window-id ID into the window ID.
    bool root = false;
    unsigned long windowId = 0;

    bool windowed() const { return windowWidth > 0; }
    bool screensaver() const { return root || windowId != 0; }
};

struct ParseResult {
    CommandLineOptions options;
    std::string error;  // one line naming the bad option; empty when all is well
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

// An X window id as screensavers write it: decimal or 0x-prefixed hexadecimal, not 0. False for
// anything else.
bool ParseWindowId(const std::string& text, unsigned long* id);

// The text --help prints.
std::string UsageText();

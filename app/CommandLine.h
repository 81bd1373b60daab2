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

    bool windowed() const { return windowWidth > 0; }
};

struct ParseResult {
    CommandLineOptions options;
    std::string error;  // one line naming the bad option; empty when all is well
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

// The text --help prints.
std::string UsageText();

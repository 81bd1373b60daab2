#include "app/CommandLine.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool ParseCount(const std::string& text, long* out) {
    if (text.empty() || text[0] == '-' || text[0] == '+')
        return false;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno || *end || value < 0)
        return false;
    *out = value;
    return true;
}

bool ParseSize(const std::string& text, int* w, int* h) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    long width, height;
    if (!ParseCount(text.substr(0, x), &width) || !ParseCount(text.substr(x + 1), &height))
        return false;
    if (width < 1 || height < 1 || width > 16384 || height > 16384)
        return false;
    *w = static_cast<int>(width);
    *h = static_cast<int>(height);
    return true;
}

}  // namespace

bool ParseWindowId(const std::string& text, unsigned long* id) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(digits.c_str(), &end, hex ? 16 : 10);
    // X window ids fit in 32 bits.
    if (errno || *end || value == 0 || value > 0xFFFFFFFFull)
        return false;
    *id = static_cast<unsigned long>(value);
    return true;
}

std::string UsageText() {
    return "Usage: merowfish [options]\n"
           "A three-dimensional aquarium that fills the screen. Esc ends it.\n"
           "Right button: the menu (fish, music, background, Exit). Middle button or T: the tool\n"
           "bar at the pointer, to choose the left button's tool (feed, touch, ripple, ...).\n"
           "\n"
           "  --window WxH         run in a normal window of that size instead of full screen\n"
           "  --frames N           run N ticks, then exit\n"
           "  --screenshot FILE    save the last drawn frame as a PNG at exit\n"
           "  --storage-dir DIR    keep the settings file in DIR\n"
           "  --benchmark          tick as fast as possible and print frame timings at exit\n"
           "  --screen N           the screen for the full-screen tank (default: the one\n"
           "                       under the pointer, else the primary); the list is below\n"
           "  -root                screensaver mode on the screensaver's window\n"
           "                       ($XSCREENSAVER_WINDOW), else on the root window\n"
           "  -window-id ID        screensaver mode in the window ID (decimal or 0x...)\n"
           "  --help               show this help and the screens\n"
           "  --version            show the version\n"
           "\n"
           "In screensaver mode the tank fills the given window and follows its size, takes no\n"
           "input, never writes the settings file and ends quietly on SIGTERM.\n";
}

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    ParseResult result;
    CommandLineOptions& o = result.options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        auto needValue = [&](const char* what) {
            result.error = "merowfish: option " + arg + " needs " + what;
        };
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--benchmark") {
            o.benchmark = true;
        } else if (arg == "--window") {
            if (!hasValue)
                return needValue("a size WxH"), result;
            if (!ParseSize(args[++i], &o.windowWidth, &o.windowHeight)) {
                result.error = "merowfish: bad value for --window: '" + args[i] +
                               "' (expected WxH, e.g. 1024x768)";
                return result;
            }
        } else if (arg == "--frames") {
            if (!hasValue)
                return needValue("a number of frames"), result;
            if (!ParseCount(args[++i], &o.frames)) {
                result.error = "merowfish: bad value for --frames: '" + args[i] + "'";
                return result;
            }
        } else if (arg == "--screenshot") {
            if (!hasValue || args[i + 1].empty())
                return needValue("a file name"), result;
            o.screenshotPath = args[++i];
        } else if (arg == "--storage-dir") {
            if (!hasValue || args[i + 1].empty())
                return needValue("a folder"), result;
            o.storageDir = args[++i];
        } else if (arg == "--screen") {
            long screen;
            if (!hasValue)
                return needValue("a screen number"), result;
            if (!ParseCount(args[++i], &screen) || screen > 1000) {
                result.error = "merowfish: bad value for --screen: '" + args[i] +
                               "' (expected a number from --help's list)";
                return result;
            }
            o.screen = static_cast<int>(screen);
        } else if (arg == "-root") {
            o.root = true;
        } else if (arg == "-window-id") {
            if (!hasValue)
                return needValue("a window id"), result;
            if (!ParseWindowId(args[++i], &o.windowId)) {
                result.error = "merowfish: bad value for -window-id: '" + args[i] +
                               "' (expected an X window id, e.g. 0x2c00007)";
                return result;
            }
        } else {
            result.error = "merowfish: unknown option '" + arg + "' (try --help)";
            return result;
        }
    }
    if (o.screensaver() && (o.windowed() || o.screen >= 0)) {
        result.error = std::string("merowfish: ") + (o.root ? "-root" : "-window-id") +
                       " draws into the screensaver's window; it takes no " +
                       (o.windowed() ? "--window" : "--screen");
    }
    return result;
}

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
           "  --help               show this help\n"
           "  --version            show the version\n";
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
        } else {
            result.error = "merowfish: unknown option '" + arg + "' (try --help)";
            return result;
        }
    }
    return result;
}

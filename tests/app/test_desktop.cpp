// The aquarium on the desktop: screensaver mode in a window the screensaver made, the ways a
// desktop ends a program, and the choice of screen.
#include <gtest/gtest.h>
#include <signal.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <set>

#include "support/ChildProcess.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"

namespace {
namespace fs = std::filesystem;
const char* const kBinaryDir = std::getenv("MEROW_TEST_BINARY_DIR");
const std::string kProgram = std::string(kBinaryDir ? kBinaryDir : ".") + "/merowfish";

// A window such as a screensaver makes for the programs it runs; it counts the clicks it gets.
class HostWindow : public QWindow {
public:
    explicit HostWindow(const QRect& geometry) {
        setFlags(Qt::FramelessWindowHint);
        setGeometry(geometry);
        show();
    }
    int clicks = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
};

class Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs a display (run under xvfb-run)";
        EnsureGuiApplication();
    }
    // The test's own home (mode 0700) is also the runtime (locks), temporary and config folder.
    ChildProcess start(const std::string& program, std::vector<std::string> args,
                       std::vector<std::string> env = {}) {
        const std::string h = m_home.path();
        env.insert(env.begin(),
                   {"HOME=" + h, "XDG_CONFIG_HOME=" + h + "config", "XDG_RUNTIME_DIR=" + h,
                    "TMPDIR=" + h, "MEROW_NO_MESSAGEBOX=1", "ASAN_OPTIONS=detect_leaks=0",
                    "QT_LOGGING_RULES=qt.multimedia*=false"});
        return ChildProcess::Start(program, args, env);
    }
    TempDir m_home;
};

// True once every quarter of the window shows the tank (a window nobody drew into shows one
// colour, a cleared one two or three).
bool WaitUntilDrawn(const QWindow& window) {
    for (int tries = 0; tries < 150; ++tries) {
        const QImage image = window.screen()->grabWindow(window.winId()).toImage();
        const int w = window.width() / 2, h = window.height() / 2;
        bool drawn = image.width() == 2 * w;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
            std::set<QRgb> colours;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x)
                    colours.insert(image.pixel(corner + QPoint(x, y)));
            }
            drawn = drawn && colours.size() > 200;
        }
        if (drawn)
            return true;
        QTest::qWait(200);
    }
    return false;
}

std::string Hex(WId id) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(id));
    return text;
}

TEST_F(Desktop, ScreensaverModeDrawsInTheGivenWindowsAndWritesNothing) {
    fs::create_directory(m_home.file("storage"));
    const std::string ini = m_home.file("storage/MerowSet.ini");
    const std::string settings = "[Aquarium Settings]\r\nQIPAONUM=300\r\n";  // keys missing
    WriteFileBytes(ini, settings);
    HostWindow screen(QRect(0, 0, 480, 300)), preview(QRect(500, 0, 200, 120));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen) && QTest::qWaitForWindowExposed(&preview));

    // Two at once, one per screen as a screensaver runs them: neither holds a lock against the
    // other. The second finds its window the way -root does under a screensaver.
    ChildProcess inScreen = start(kProgram, {"-window-id", std::to_string(screen.winId()),
                                             "--storage-dir", m_home.file("storage")});
    ChildProcess inPreview =
        start(kProgram, {"-root"}, {"XSCREENSAVER_WINDOW=" + Hex(preview.winId())});
    EXPECT_TRUE(WaitUntilDrawn(screen)) << inScreen.Output();
    EXPECT_TRUE(WaitUntilDrawn(preview)) << inPreview.Output();

    // Input is the screensaver's: a click on the tank reaches the screensaver's window.
    const QPoint centre = screen.geometry().center();
    EXPECT_EQ(std::system(("xdotool mousemove --sync " + std::to_string(centre.x()) + " " +
                           std::to_string(centre.y()) + " click 1")
                              .c_str()),
              0);
    QTest::qWait(300);
    EXPECT_GT(screen.clicks, 0);

    // SIGTERM ends it quietly; the window going away ends the other.
    kill(static_cast<pid_t>(inScreen.Pid()), SIGTERM);
    EXPECT_EQ(inScreen.Wait(20000), 0);
    EXPECT_EQ(inScreen.Output(), "");
    preview.destroy();
    QTest::qWait(100);  // sends the request
    EXPECT_EQ(inPreview.Wait(20000), 0) << inPreview.Output();

    EXPECT_EQ(ReadFileBytes(ini), settings) << "read, never written";
    EXPECT_FALSE(fs::exists(m_home.file("config/merowfish"))) << "no settings folder made";
}

// What a window manager sends when the user closes a window.
void SendDeleteWindow(unsigned long window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_TRUE(x11);
    xcb_connection_t* c = x11->connection();
    auto atom = [c](const std::string& name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return atom;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window);
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

TEST_F(Desktop, SignalsAndClosingTheWindowRunTheTearDownAndExitZero) {
    for (const std::string way : {"SIGTERM", "SIGINT", "close"}) {
        ChildProcess p = start(kProgram, {"--window", "320x240", "--benchmark", "--storage-dir",
                                          m_home.file("storage")});
        // The frame is the aquarium's window with its title.
        const std::string find = "xdotool search --sync --onlyvisible --all --pid " +
                                 std::to_string(p.Pid()) + " --name '^MerowFishScr$'";
        FILE* search = popen(find.c_str(), "r");
        unsigned long frame = 0;
        ASSERT_EQ(std::fscanf(search, "%lu", &frame), 1) << way;
        pclose(search);
        if (way == "close")
            SendDeleteWindow(frame);
        else
            kill(static_cast<pid_t>(p.Pid()), way == "SIGTERM" ? SIGTERM : SIGINT);
        EXPECT_EQ(p.Wait(20000), 0) << way;
        EXPECT_NE(p.Output().find("frames="), std::string::npos)
            << way << ": the tear-down prints the timings\n"
            << p.Output();
    }
}

TEST_F(Desktop, HelpListsTheScreensAndTheTankOpensUnderThePointerOrOnTheChosenOne) {
    if (std::system("command -v xrandr > /dev/null") != 0)
        GTEST_SKIP() << "needs xrandr (x11-xserver-utils) to make two monitors";
    // A display of its own with two monitors side by side, the first the primary.
    const std::string script =
        "xrandr --setmonitor A 640/170x480/130+0+0 none && "
        "xrandr --setmonitor B 800/210x600/160+640+0 none && "
        "\"$0\" --help > \"$1help.txt\" && xdotool mousemove 1000 100 && "
        "\"$0\" --frames 2 --screenshot \"$1pointer.png\" && "
        "\"$0\" --screen 0 --frames 2 --screenshot \"$1first.png\" && "
        "\"$0\" --screen 9 2> \"$1bad.txt\"; echo \"status $?\"";
    ChildProcess p = start("xvfb-run", {"-a", "-s", "-screen 0 1440x600x24 -nolisten tcp -noreset",
                                        "sh", "-c", script, kProgram, m_home.path()});
    ASSERT_EQ(p.Wait(120000), 0) << p.Output();
    EXPECT_NE(p.Output().find("status 2"), std::string::npos) << p.Output();
    const std::string help = ReadFileBytes(m_home.file("help.txt"));
    EXPECT_NE(help.find("0  A  640x480 at 0,0  (primary)"), std::string::npos) << help;
    EXPECT_NE(help.find("1  B  800x600 at 640,0"), std::string::npos) << help;
    EXPECT_EQ(QImage(QString::fromStdString(m_home.file("pointer.png"))).size(), QSize(800, 600));
    EXPECT_EQ(QImage(QString::fromStdString(m_home.file("first.png"))).size(), QSize(640, 480));
    const std::string bad = ReadFileBytes(m_home.file("bad.txt"));
    EXPECT_NE(bad.find("no screen 9"), std::string::npos) << bad;
    EXPECT_EQ(bad.find('\n'), bad.size() - 1) << "one line: " << bad;
}

}  // namespace

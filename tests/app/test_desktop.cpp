// The aquarium on the desktop: screensaver mode in a window the screensaver made, the choice of
// screen, and the signals that end a program.
#include <gtest/gtest.h>
#include <signal.h>
#include <xcb/xcb.h>

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <set>

#include "platform/X11Window.h"
#include "support/ChildProcess.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"
#include "support/WindowSearch.h"

namespace {
namespace fs = std::filesystem;
const char* const kBinaryDir = std::getenv("MEROW_TEST_BINARY_DIR");
const std::string kProgram = std::string(kBinaryDir ? kBinaryDir : ".") + "/merowfish";

// A window such as a screensaver makes for the programs it runs; it counts the clicks it gets.
struct HostWindow : QWindow {
    explicit HostWindow(const QRect& geometry) {
        setFlags(Qt::FramelessWindowHint);
        setGeometry(geometry);
        show();
    }
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
    int clicks = 0;
};

// True once every quarter of the window shows the tank: hundreds of colours, where a window
// nobody drew into has one.
bool WaitUntilDrawn(const QWindow& window) {
    const int w = window.width() / 2, h = window.height() / 2;
    for (int tries = 0; tries < 150; ++tries, QTest::qWait(200)) {
        const QImage image = window.screen()->grabWindow(window.winId()).toImage();
        int drawnQuarters = 0;
        for (int q = 0; q < 4; ++q) {
            std::set<QRgb> colours;
            for (int i = 0; i < w * h; ++i)
                colours.insert(image.pixel(q % 2 * w + i % w, q / 2 * h + i / w));
            drawnQuarters += colours.size() > 200;
        }
        if (drawnQuarters == 4)
            return true;
    }
    return false;
}

// What a window manager sends when the user closes a window.
void SendDeleteWindow(xcb_window_t window) {
    xcb_connection_t* c = QtX11Connection();
    ASSERT_TRUE(c);
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
    event.window = window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

class Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs a display (run under xvfb-run)";
        EnsureGuiApplication();
    }
    ChildProcess start(const std::string& program, const std::vector<std::string>& args,
                       std::vector<std::string> env = {}) {
        return ChildProcess::Start(program, args, IsolatedEnvironment(m_home.path(), env));
    }
    TempDir m_home;
};

TEST_F(Desktop, ScreensaverModeDrawsInTheGivenWindowsTakesNoInputAndWritesNothing) {
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
        start(kProgram, {"-root"},
              {"XSCREENSAVER_WINDOW=0x" + QString::number(preview.winId(), 16).toStdString()});
    EXPECT_TRUE(WaitUntilDrawn(screen)) << inScreen.Output();
    EXPECT_TRUE(WaitUntilDrawn(preview)) << inPreview.Output();

    // Input is the screensaver's: a click on the tank reaches the screensaver's window.
    EXPECT_EQ(std::system("xdotool mousemove --sync 240 150 click 1"), 0);
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

// --help lists the screens, the tank opens on the one under the pointer or the one asked for, and
// SIGINT ends it through the tear-down with status 0 (SIGTERM does the same).
TEST_F(Desktop, ScreensAndSignalsOnADisplayOfItsOwn) {
    if (std::system("command -v xrandr > /dev/null") != 0)
        GTEST_SKIP() << "needs xrandr (x11-xserver-utils) to make two monitors";
    // A display of its own with two monitors side by side, the first the primary.
    const std::string script =
        "xrandr --setmonitor A 640/170x480/130+0+0 none && "
        "xrandr --setmonitor B 800/210x600/160+640+0 none && "
        "\"$0\" --help > \"$1help.txt\" && xdotool mousemove 1000 100 && "
        "\"$0\" --frames 2 --screenshot \"$1pointer.png\" && "
        "\"$0\" --screen 0 --frames 2 --screenshot \"$1first.png\" && "
        "\"$0\" --screen 9; echo \"status $?\"; \"$0\" --benchmark --storage-dir \"$1s\" & "
        "until [ -e \"$1s/MerowSet.ini\" ]; do sleep 0.1; done; kill -INT $!; wait $!; "
        "echo \"interrupted $?\"";
    ChildProcess p = start("xvfb-run", {"-a", "-s", "-screen 0 1440x600x24 -nolisten tcp -noreset",
                                        "sh", "-c", script, kProgram, m_home.path()});
    ASSERT_EQ(p.Wait(120000), 0) << p.Output();
    EXPECT_NE(p.Output().find("no screen 9 (the screens are 0 to 2; see --help)\nstatus 2"),
              std::string::npos)
        << p.Output();
    // The tear-down prints the timings.
    EXPECT_NE(p.Output().find("frames="), std::string::npos) << p.Output();
    EXPECT_NE(p.Output().find("interrupted 0"), std::string::npos) << p.Output();
    const std::string help = ReadFileBytes(m_home.file("help.txt"));
    EXPECT_NE(help.find("0  A  640x480 at 0,0  (primary)"), std::string::npos) << help;
    EXPECT_NE(help.find("1  B  800x600 at 640,0"), std::string::npos) << help;
    EXPECT_EQ(QImage(QString::fromStdString(m_home.file("pointer.png"))).size(), QSize(800, 600));
    EXPECT_EQ(QImage(QString::fromStdString(m_home.file("first.png"))).size(), QSize(640, 480));
}

// Closing the window from the window manager ends the aquarium as Exit does: the tear-down
// (which prints the timings), then status 0.
TEST_F(Desktop, ClosingTheWindowRunsTheTearDownAndExitsZero) {
    ChildProcess p = start(
        kProgram, {"--window", "320x240", "--benchmark", "--storage-dir", m_home.file("storage")});
    const std::vector<unsigned long> frame = WaitForWindows(
        "--onlyvisible --all --pid " + std::to_string(p.Pid()) + " --name '^MerowFishScr$'");
    ASSERT_FALSE(frame.empty()) << p.Output();
    SendDeleteWindow(static_cast<xcb_window_t>(frame.front()));
    EXPECT_EQ(p.Wait(20000), 0) << p.Output();
    EXPECT_NE(p.Output().find("frames="), std::string::npos) << p.Output();
}

}  // namespace

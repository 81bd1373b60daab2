// The Custom Music dialog in the real program, driven through XTEST: the menu shows it centred on
// the tank, Escape hides it and saves, and the built-in tune plays on the sound server.
#include <gtest/gtest.h>

#include <cstdio>

#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "support/WindowSearch.h"

namespace {

// What a command prints, and whether it succeeded.
std::string Shell(const std::string& command, bool* ok = nullptr) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        const int status = pclose(pipe);
        if (ok)
            *ok = status == 0;
    }
    return out;
}

TEST(MusicProgram, MenuShowsTheDialogCentredEscapeHidesAndSavesAndTheTunePlays) {
    if (!std::getenv("DISPLAY") || !std::getenv("MEROW_TEST_BINARY_DIR"))
        GTEST_SKIP() << "needs a display (xvfb-run) and the program (ctest)";
    TempDir home;
    const std::string settings = home.file("storage/MerowSet.ini");
    ChildProcess p = ChildProcess::Start(
        std::string(std::getenv("MEROW_TEST_BINARY_DIR")) + "/merowfish",
        {"--window", "640x480", "--storage-dir", home.file("storage")},
        {"HOME=" + home.path(), "XDG_RUNTIME_DIR=" + home.path(), "ASAN_OPTIONS=detect_leaks=0"});
    const std::string caption = "'Custom Music - Merow Fish Screensaver 1.1'";
    ASSERT_FALSE(WaitForWindows("--onlyvisible --pid " + std::to_string(p.Pid())).empty())
        << p.Output();
    // The second item of the menu opened at (100, 60): items are 48 pixels high.
    std::string id;
    for (int tries = 0; tries < 3 && id.empty(); ++tries) {
        Shell("xdotool mousemove --sync 100 60 click 3 sleep 1 mousemove_relative 70 72 click 1");
        id = WaitForWindow("--onlyvisible --name " + caption, 5000);
    }
    ASSERT_FALSE(id.empty()) << p.Output();
    const std::string place = Shell("xdotool getwindowgeometry --shell " + id);
    int x = 0, y = 0, w = 0, h = 0;
    std::sscanf(place.c_str() + place.find("X="), "X=%d Y=%d WIDTH=%d HEIGHT=%d", &x, &y, &w, &h);
    EXPECT_TRUE(std::abs(x + w / 2 - 320) <= 2 && std::abs(y + h / 2 - 240) <= 2) << place;

    const std::string tune = "application.process.id = \"" + std::to_string(p.Pid()) + "\"";
    bool server = false;
    for (int i = 0;
         i < 50 && Shell("pactl list sink-inputs 2>&1", &server).find(tune) == std::string::npos &&
         server;
         ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (server) {
        EXPECT_NE(Shell("pactl list sink-inputs").find(tune), std::string::npos) << "the tune";
    }

    // The key on its own: chained after a window, xdotool sends the release to the closed window
    // as a plain event, and the display keeps Escape held down for every later test.
    Shell("xdotool windowfocus --sync " + id + " && xdotool key Escape");
    for (int i = 0;
         i < 50 && ReadFileBytes(settings).find("[Custom Settings]") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_NE(ReadFileBytes(settings).find("OwnMusic=0"), std::string::npos) << "saved";
    EXPECT_TRUE(SearchWindows("--onlyvisible --name " + caption).empty()) << "hidden";
    Shell("xdotool mousemove --sync 100 60 click 3 sleep 0.5 mousemove_relative 70 168 click 1");
    EXPECT_EQ(p.Wait(5000), 0) << "Exit, with the music running: " << p.Output();
}

}  // namespace

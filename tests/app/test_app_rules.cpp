// The application shell's rules: command line, tick pacing, frame timings, screen geometry.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/FrameStats.h"
#include "app/TickPacer.h"
#include "scene/ScreenGeometry.h"

TEST(CommandLine, BadInputNamesTheOptionOnOneLine) {
    EXPECT_TRUE(ParseCommandLine({"--benchmark"}).options.benchmark);
    // Window ids as screensavers write them, in hexadecimal or decimal.
    EXPECT_EQ(ParseCommandLine({"-window-id", "0x2C00007"}).options.windowId, 0x2C00007u);
    EXPECT_EQ(ParseCommandLine({"-window-id", "46137351"}).options.windowId, 46137351u);
    EXPECT_EQ(ParseCommandLine({"--screen", "1"}).options.screen, 1);
    std::vector<std::vector<std::string>> bad = {
        {"--bogus"},       {"--window", "1024"}, {"--window", "0x768"}, {"--window", "axb"},
        {"--window"},      {"--frames", "-3"},   {"--frames", "12abc"}, {"--frames"},
        {"--storage-dir"}, {"--screenshot", ""}};
    for (const char* id : {"0x", "0", "0x1ffffffff", "-5", "12g"})
        bad.push_back({"-window-id", id});
    bad.insert(bad.end(), {{"-window-id"}, {"--screen", "one"}, {"--screen"}});
    // Screensaver mode draws where the screensaver says, so it takes no place of its own.
    bad.insert(bad.end(), {{"-root", "--window", "640x480"}, {"-root", "--screen", "1"}});
    for (const std::vector<std::string>& args : bad) {
        const std::string error = ParseCommandLine(args).error;
        EXPECT_NE(error.find(args[0]), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

TEST(TickPacer, SlowFrameIsFollowedByOneTickNotABurst) {
    TickPacer pacer(20);
    int64_t now = 0;
    std::vector<int64_t> starts;
    for (int frameMs : {5, 100, 5, 5}) {
        pacer.tickStarted(now);
        starts.push_back(now);
        now += frameMs + pacer.delayAfterTick(now + frameMs);
    }
    // 0 (5 ms), 20 (100 ms: runs late), 120 at once, then back to 20 ms steps.
    EXPECT_EQ(starts, (std::vector<int64_t>{0, 20, 120, 140}));
}

TEST(FrameStats, PercentilesAndSummaryLine) {
    FrameStats stats;
    for (int i = 1; i <= 100; ++i)
        stats.add(i);
    EXPECT_EQ(stats.summary(1.5),
              "frames=100 median_ms=50.00 p95_ms=95.00 max_ms=100.00 cpu_s=1.50");
}

TEST(ScreenGeometry, EveryScreenGetsAUsableTank) {
    EXPECT_EQ(ScreenModeFor(1920, 1080), 1);
    // Listed or not: symmetrical, never narrower than the 4:3 tank, the same height and depth.
    for (const auto& [w, h] : {std::pair{0, 0}, {1680, 1050}, {1920, 1080}, {5120, 1080}}) {
        const TankBounds b = TankBoundsFor(w, h);
        EXPECT_TRUE(b.minX == -b.maxX && b.maxX >= 49 && b.minY == -21 && b.maxY == 21 &&
                    b.minZ == -50 && b.maxZ == 0)
            << w;
    }
}

#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/FrameStats.h"
#include "app/TickPacer.h"

TEST(CommandLine, AcceptsEveryOption) {
    const ParseResult r =
        ParseCommandLine({"--window", "1024x768", "--frames", "20", "--screenshot", "a.png",
                          "--storage-dir", "/tmp/x", "--benchmark"});
    ASSERT_TRUE(r.error.empty()) << r.error;
    EXPECT_EQ(r.options.windowWidth, 1024);
    EXPECT_EQ(r.options.windowHeight, 768);
    EXPECT_EQ(r.options.frames, 20);
    EXPECT_EQ(r.options.screenshotPath, "a.png");
    EXPECT_EQ(r.options.storageDir, "/tmp/x");
    EXPECT_TRUE(r.options.benchmark);
    EXPECT_TRUE(r.options.windowed());
    EXPECT_FALSE(ParseCommandLine({}).options.windowed());
}

TEST(CommandLine, BadInputNamesTheOption) {
    const struct {
        std::vector<std::string> args;
        const char* named;
    } cases[] = {
        {{"--bogus"}, "--bogus"},
        {{"--window", "1024"}, "--window"},
        {{"--window", "0x768"}, "--window"},
        {{"--window", "axb"}, "--window"},
        {{"--window"}, "--window"},
        {{"--frames", "-3"}, "--frames"},
        {{"--frames", "12abc"}, "--frames"},
        {{"--frames"}, "--frames"},
        {{"--storage-dir"}, "--storage-dir"},
        {{"--screenshot", ""}, "--screenshot"},
    };
    for (const auto& c : cases) {
        const ParseResult r = ParseCommandLine(c.args);
        EXPECT_NE(r.error.find(c.named), std::string::npos) << r.error;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << "one line only";
    }
}

TEST(TickPacer, SlowFrameIsFollowedByOneTickNotABurst) {
    TickPacer pacer(20);
    // Ticks scheduled the way the scene does it, with frames of the given lengths.
    const int frameMs[] = {5, 100, 5, 5};
    int64_t now = 0;
    std::vector<int64_t> starts;
    for (int ms : frameMs) {
        pacer.tickStarted(now);
        starts.push_back(now);
        now += ms;
        now += pacer.delayAfterTick(now);
    }
    // 0 (5 ms), 20 (100 ms: runs late), 120 at once, then back to 20 ms steps.
    EXPECT_EQ(starts, (std::vector<int64_t>{0, 20, 120, 140}));
}

TEST(TickPacer, BenchmarkPeriodNeverWaits) {
    TickPacer pacer(0);
    pacer.tickStarted(10);
    EXPECT_EQ(pacer.delayAfterTick(10), 0);
}

TEST(FrameStats, PercentilesAndSummaryLine) {
    FrameStats stats;
    EXPECT_EQ(stats.percentile(50), 0.0);
    for (int i = 1; i <= 100; ++i)
        stats.add(i);
    EXPECT_EQ(stats.percentile(50), 50.0);
    EXPECT_EQ(stats.percentile(95), 95.0);
    EXPECT_EQ(stats.maxMs(), 100.0);
    EXPECT_EQ(stats.summary(1.5),
              "frames=100 median_ms=50.00 p95_ms=95.00 max_ms=100.00 cpu_s=1.50");
}

// What the generator made for this build (its assets/ folder), and the generator itself.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "scene/PlainPictures.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const std::string kBuild =
    std::getenv("MEROW_TEST_BINARY_DIR") ? std::getenv("MEROW_TEST_BINARY_DIR") : ".";
const std::string kTool = kBuild + "/tools/assetgen/merow-assetgen", kOut = kBuild + "/assets/";

class AssetGen : public testing::Test {
    void SetUp() override {
        if (!FileExists(kTool))
            GTEST_SKIP() << "merow-assetgen is not built";
    }
};

// Cell k of the Fish Settings sheet (5 x 4 cells of 100 x 90) shows the fish that wears skin k:
// by their colours, no two cells would match the skins better swapped.
TEST_F(AssetGen, SheetCellsShowTheFishOfTheirSlot) {
    using Histogram = std::array<double, 64>;  // 4 levels a channel, summing to 1
    auto colours = [](const QImage& image, const QRect& r) {
        Histogram h{};
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                h[c.red() / 64 * 16 + c.green() / 64 * 4 + c.blue() / 64] +=
                    1.0 / (r.width() * r.height());
            }
        }
        return h;
    };
    const QImage sheet = PlainPicture("bitmap129");
    ASSERT_EQ(sheet.size(), QSize(500, 512));  // as the Fish Settings dialog lays it out
    std::vector<Histogram> skins, cells;
    for (int k = 0; k < 20; ++k) {
        const QImage skin(QString::fromStdString(kOut + "fish" + std::to_string(k) + ".bmp"));
        skins.push_back(colours(skin, skin.rect()));
        cells.push_back(colours(sheet, QRect(k % 5 * 100, k / 5 * 90, 100, 90)));
    }
    auto like = [&](int cell, int skin) {  // the share of colour they have in common
        return std::transform_reduce(cells[cell].begin(), cells[cell].end(), skins[skin].begin(),
                                     0.0, std::plus<>(),
                                     [](double a, double b) { return std::min(a, b); });
    };
    for (int a = 0; a < 20; ++a) {
        for (int b = a + 1; b < 20; ++b)
            EXPECT_GT(like(a, a) + like(b, b), like(a, b) + like(b, a)) << a << " and " << b;
    }
}

TEST_F(AssetGen, TuneIsA16BitPcmWaveThatLoopsWithoutAClick) {
    const std::string w = ReadFileBytes(kOut + "Music.wav");
    ASSERT_GE(w.size(), 48u);
    std::uint32_t header[11];  // the 44-byte header as little-endian words, as on this machine
    std::memcpy(header, w.data(), 44);
    EXPECT_EQ(w.substr(0, 4) + w.substr(8, 8) + w.substr(36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ(header[5], 1u | 1u << 16);  // PCM, mono
    EXPECT_EQ(header[8] >> 16, 16u);      // bits a sample
    ASSERT_EQ(header[10], w.size() - 44);
    // Across the loop point the wave moves no more than it does almost anywhere inside the tune.
    std::vector<std::int16_t> s((w.size() - 44) / 2);
    std::memcpy(s.data(), &w[44], s.size() * 2);
    std::vector<int> steps;
    for (std::size_t i = 1; i < s.size(); ++i)
        steps.push_back(std::abs(s[i] - s[i - 1]));
    std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
    EXPECT_LE(std::abs(s.front() - s.back()), steps[steps.size() * 99 / 100]);
}

TEST_F(AssetGen, AnotherRunWritesTheSameBytesAndABadFolderIsRefused) {
    TempDir again, bad;
    auto run = [](const std::string& folder) {
        return std::system((kTool + " " + folder + " >/dev/null 2>&1").c_str());
    };
    ASSERT_EQ(run(again.path()), 0);
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(again.path())) {
        const std::string name = fs::relative(e.path(), again.path()).string();
        EXPECT_TRUE(e.is_directory() || ReadFileBytes(e.path()) == ReadFileBytes(kOut + name))
            << name;
    }
    EXPECT_NE(run(""), 0);
    WriteFileBytes(bad.file("plain"), "a file where the folder should go");
    EXPECT_NE(run(bad.path()), 0);
}

}  // namespace

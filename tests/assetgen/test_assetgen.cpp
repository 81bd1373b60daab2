#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "support/TempDir.h"

// Runs the real generator (built beside the tests) and checks what the program and the dialogs
// rely on: file formats, the skin layout, the seamless loop and byte-for-byte repeatability.

namespace {

std::string GeneratorPath() {
    const char* dir = std::getenv("MEROW_TEST_BINARY_DIR");
    const std::string path = std::string(dir ? dir : ".") + "/tools/assetgen/merow-assetgen";
    return FileExists(path) ? path : std::string();
}

int RunGenerator(const std::string& args) {
    return std::system(("\"" + GeneratorPath() + "\" " + args + " >/dev/null 2>&1").c_str());
}

uint32_t U32(const std::string& b, size_t at) {
    return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8 | uint8_t(b[at + 2]) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t U16(const std::string& b, size_t at) {
    return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8;
}

struct Bmp {
    int width = 0, height = 0, stride = 0;
    std::string bytes;
    // (r, g, b) of the pixel at x, y counted from the bottom row, as texture coordinates do.
    void Pixel(int x, int y, int rgb[3]) const {
        const size_t at = 54 + size_t(y) * stride + size_t(x) * 3;
        rgb[0] = uint8_t(bytes[at + 2]);
        rgb[1] = uint8_t(bytes[at + 1]);
        rgb[2] = uint8_t(bytes[at]);
    }
};

// Checks the header the texture loaders expect and returns the picture.
Bmp ReadBmp24(const std::string& path, int width, int height) {
    Bmp bmp;
    bmp.bytes = ReadFileBytes(path);
    const std::string& b = bmp.bytes;
    EXPECT_GE(b.size(), 54u) << path;
    if (b.size() < 54) {
        return bmp;
    }
    EXPECT_EQ(U16(b, 0), 0x4D42) << path;
    EXPECT_EQ(U32(b, 2), b.size()) << path;
    EXPECT_EQ(U32(b, 10), 54u) << path;
    EXPECT_EQ(U32(b, 14), 40u) << path;
    EXPECT_EQ(int(U32(b, 18)), width) << path;
    EXPECT_EQ(int(U32(b, 22)), height) << path;
    EXPECT_EQ(U16(b, 26), 1) << path;
    EXPECT_EQ(U16(b, 28), 24) << path;
    EXPECT_EQ(U32(b, 30), 0u) << path;
    const uint32_t stride = (uint32_t(width) * 3 + 3) & ~3u;
    EXPECT_EQ(U32(b, 34), stride * height) << path;
    EXPECT_EQ(b.size(), 54 + stride * height) << path;
    bmp.width = width;
    bmp.height = height;
    bmp.stride = static_cast<int>(stride);
    return bmp;
}

// The generator's output, made once per build of the generator and shared by the test programs
// (each test runs in its own process): generated into a staging folder beside it, then renamed
// into place, which is atomic, so parallel runs never see half a set.
std::string SharedOutput(int& exitCode) {
    namespace fs = std::filesystem;
    const std::string generator = GeneratorPath();
    const char* binaryDir = std::getenv("MEROW_TEST_BINARY_DIR");
    std::error_code ec;
    const fs::path parent = fs::path(binaryDir ? binaryDir : ".") / "tests";
    const std::string key =
        std::to_string(fs::last_write_time(generator, ec).time_since_epoch().count()) + "-" +
        std::to_string(fs::file_size(generator, ec));
    const fs::path shared = parent / ("assetgen-output-" + key);
    exitCode = 0;
    if (fs::exists(shared / "complete")) {
        return shared.string() + "/";
    }
    // Sets made by earlier builds of the generator are stale.
    for (const auto& entry : fs::directory_iterator(parent, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("assetgen-output-", 0) == 0 && entry.path() != shared) {
            fs::remove_all(entry.path(), ec);
        }
    }
    const fs::path staging =
        parent / ("assetgen-staging-" + key + "-" + std::to_string(std::random_device()()));
    fs::create_directories(staging, ec);
    exitCode = RunGenerator("\"" + staging.string() + "\"");
    if (exitCode != 0) {
        fs::remove_all(staging, ec);
        return std::string();
    }
    WriteFileBytes((staging / "complete").string(), "");
    fs::rename(staging, shared, ec);
    if (ec) {
        fs::remove_all(staging, ec);  // another test program got there first
    }
    return shared.string() + "/";
}

class AssetGen : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!GeneratorPath().empty()) {
            s_out = SharedOutput(s_nExit);
        }
    }
    void SetUp() override {
        if (GeneratorPath().empty()) {
            GTEST_SKIP() << "merow-assetgen is not built";
        }
        ASSERT_EQ(s_nExit, 0);
        ASSERT_FALSE(s_out.empty());
    }
    static std::string Out(const std::string& name) { return s_out + name; }

    static std::string s_out;
    static int s_nExit;
};

std::string AssetGen::s_out;
int AssetGen::s_nExit = -1;

const int kSkinW = 256, kSkinH = 128;

}  // namespace

TEST_F(AssetGen, PicturesAreUncompressed24BitBmpsOfTheAgreedSizes) {
    ReadBmp24(Out("BackGround0.bmp"), 1024, 512);
    ReadBmp24(Out("Particle1.bmp"), 64, 64);
    for (int i = 0; i < 20; ++i) {
        ReadBmp24(Out("fish" + std::to_string(i) + ".bmp"), kSkinW, kSkinH);
    }
}

// Pure black turns transparent in the background loader: not one such hole may appear.
TEST_F(AssetGen, BackgroundHasNoPureBlackPixel) {
    const Bmp bg = ReadBmp24(Out("BackGround0.bmp"), 1024, 512);
    ASSERT_FALSE(HasFailure());
    int holes = 0, rgb[3];
    for (int y = 0; y < bg.height; ++y) {
        for (int x = 0; x < bg.width; ++x) {
            bg.Pixel(x, y, rgb);
            holes += (rgb[0] | rgb[1] | rgb[2]) == 0;
        }
    }
    EXPECT_EQ(holes, 0);
}

// Rows are stored bottom-up: the sand must come out at the bottom and the lit surface at the
// top, whatever way the writer walks the rows.
TEST_F(AssetGen, BackgroundHasSandBelowAndLightWaterAbove) {
    const Bmp bg = ReadBmp24(Out("BackGround0.bmp"), 1024, 512);
    ASSERT_FALSE(HasFailure());
    auto meanOfRows = [&](int y0, int y1, double mean[3]) {
        mean[0] = mean[1] = mean[2] = 0;
        int rgb[3];
        for (int y = y0; y < y1; ++y) {
            for (int x = 400; x < 624; ++x) {  // the open middle, clear of rocks
                bg.Pixel(x, y, rgb);
                for (int c = 0; c < 3; ++c) {
                    mean[c] += rgb[c] / double((y1 - y0) * 224);
                }
            }
        }
    };
    double floor[3], surface[3], deep[3];
    meanOfRows(0, 40, floor);       // bottom rows of the picture
    meanOfRows(470, 512, surface);  // top rows
    meanOfRows(200, 240, deep);
    EXPECT_GT(floor[0], floor[2]) << "sand is warm";
    EXPECT_GT(surface[2], surface[0]) << "water is blue";
    EXPECT_GT(surface[1] + surface[2], deep[1] + deep[2]) << "light comes from the surface";
}

// The body model maps the eye to u = 0.09, v = 0.62: every skin must have its dark pupil there,
// with a lighter ring above it and lighter skin or ring either side.
TEST_F(AssetGen, EverySkinHasItsEyeWhereTheBodyModelLooks) {
    for (int i = 0; i < 20; ++i) {
        const Bmp s = ReadBmp24(Out("fish" + std::to_string(i) + ".bmp"), kSkinW, kSkinH);
        ASSERT_FALSE(HasFailure());
        const int ex = int(0.09 * kSkinW), ey = int(0.62 * kSkinH);
        int pupil[3], ring[3], front[3], back[3];
        s.Pixel(ex, ey, pupil);
        s.Pixel(ex, ey + 10, ring);  // above the pupil (rows count from the bottom)
        s.Pixel(ex - 7, ey, front);
        s.Pixel(ex + 7, ey, back);
        const int dark = pupil[0] + pupil[1] + pupil[2];
        EXPECT_LT(dark, 150) << "fish" << i;
        EXPECT_GT(ring[0] + ring[1] + ring[2], dark + 200) << "fish" << i;
        EXPECT_GT(front[0] + front[1] + front[2], dark + 60) << "fish" << i;
        EXPECT_GT(back[0] + back[1] + back[2], dark + 60) << "fish" << i;
    }
}

// Twenty species must be told apart at a glance: compare the average colours of a 4 x 2 grid of
// body patches and of the two fin regions.
TEST_F(AssetGen, SkinsArePairwiseClearlyDifferent) {
    std::vector<std::vector<double>> looks;
    for (int i = 0; i < 20; ++i) {
        const Bmp s = ReadBmp24(Out("fish" + std::to_string(i) + ".bmp"), kSkinW, kSkinH);
        ASSERT_FALSE(HasFailure());
        std::vector<double> look;
        auto patch = [&](int x0, int x1, int y0, int y1) {
            double sum[3] = {0, 0, 0};
            int rgb[3];
            for (int y = y0; y < y1; ++y) {
                for (int x = x0; x < x1; ++x) {
                    s.Pixel(x, y, rgb);
                    for (int c = 0; c < 3; ++c) {
                        sum[c] += rgb[c];
                    }
                }
            }
            for (double v : sum) {
                look.push_back(v / ((x1 - x0) * (y1 - y0)));
            }
        };
        for (int gx = 0; gx < 4; ++gx) {
            for (int gy = 0; gy < 2; ++gy) {
                patch(gx * 48, gx * 48 + 48, gy * 64, gy * 64 + 64);
            }
        }
        patch(192, 256, 64, 128);  // tail fin
        patch(192, 256, 0, 64);    // other fins
        looks.push_back(look);
    }
    for (int a = 0; a < 20; ++a) {
        for (int b = a + 1; b < 20; ++b) {
            double d2 = 0;
            for (size_t k = 0; k < looks[a].size(); ++k) {
                d2 += (looks[a][k] - looks[b][k]) * (looks[a][k] - looks[b][k]);
            }
            EXPECT_GT(std::sqrt(d2 / looks[a].size()), 20.0) << "fish" << a << " vs fish" << b;
        }
    }
}

TEST_F(AssetGen, TuneIsALongSeamlessUnclippedMonoPcmLoop) {
    const std::string w = ReadFileBytes(Out("Music.wav"));
    ASSERT_GE(w.size(), 44u);
    EXPECT_EQ(w.substr(0, 4), "RIFF");
    EXPECT_EQ(U32(w, 4), w.size() - 8);
    EXPECT_EQ(w.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(U16(w, 20), 1);  // PCM
    EXPECT_EQ(U16(w, 22), 1);  // mono
    const uint32_t rate = U32(w, 24);
    EXPECT_LE(rate, 22050u);
    EXPECT_EQ(U16(w, 34), 16);
    EXPECT_EQ(w.substr(36, 4), "data");
    const uint32_t bytes = U32(w, 40);
    ASSERT_EQ(bytes, w.size() - 44);
    const size_t n = bytes / 2;
    EXPECT_GE(double(n) / rate, 45.0);

    std::vector<int> s(n);
    for (size_t i = 0; i < n; ++i) {
        s[i] = int16_t(U16(w, 44 + 2 * i));
    }
    int peak = 0;
    std::vector<int> steps, bends;
    for (size_t i = 0; i < n; ++i) {
        peak = std::max(peak, std::abs(s[i]));
        if (i + 2 < n) {
            steps.push_back(std::abs(s[i + 1] - s[i]));
            bends.push_back(std::abs(s[i + 2] - 2 * s[i + 1] + s[i]));
        }
    }
    EXPECT_LT(peak, 32000) << "clipped";
    EXPECT_GT(peak, 8000) << "too quiet";
    // Across the loop point the wave must move like it does anywhere inside the tune.
    std::sort(steps.begin(), steps.end());
    std::sort(bends.begin(), bends.end());
    const int typicalStep = steps[steps.size() * 99 / 100];
    const int typicalBend = bends[bends.size() * 99 / 100];
    EXPECT_LE(std::abs(s[0] - s[n - 1]), typicalStep);
    EXPECT_LE(std::abs(s[0] - 2 * s[n - 1] + s[n - 2]), typicalBend);
    EXPECT_LE(std::abs(s[1] - 2 * s[0] + s[n - 1]), typicalBend);
}

// The hot spots the program registers for each cursor; each must sit on or right by the art.
TEST_F(AssetGen, CursorHotSpotsTouchTheirArt) {
    const struct {
        const char* name;
        int x, y;
    } kHotSpots[] = {{"cursor158", 11, 2},  {"cursor159", 11, 2},  {"cursor163", 8, 27},
                     {"cursor164", 8, 27},  {"cursor167", 12, 12}, {"cursor177", 12, 12},
                     {"cursor169", 12, 12}, {"cursor178", 12, 12}};
    for (const auto& h : kHotSpots) {
        const QImage cursor(QString::fromStdString(Out(std::string("plain/") + h.name + ".png")));
        ASSERT_EQ(cursor.size(), QSize(32, 32)) << h.name;
        int best = 0;
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int x = h.x + dx, y = h.y + dy;
                if (x >= 0 && y >= 0 && x < 32 && y < 32) {
                    best = std::max(best, qAlpha(cursor.pixel(x, y)));
                }
            }
        }
        EXPECT_GT(best, 160) << h.name;
    }
}

TEST_F(AssetGen, DialogPicturesHaveTheirSizesAndIconsAreTransparentAroundTheArt) {
    const QImage sheet(QString::fromStdString(Out("plain/bitmap129.png")));
    EXPECT_EQ(sheet.size(), QSize(500, 512));
    EXPECT_EQ(QImage(QString::fromStdString(Out("plain/bitmap133.png"))).size(), QSize(256, 256));
    for (const char* name : {"icon180", "icon253", "icon232", "icon175", "icon160", "icon133",
                             "icon137", "icon136", "cursor158", "cursor159", "cursor163",
                             "cursor164", "cursor167", "cursor177", "cursor169", "cursor178"}) {
        const QImage icon(QString::fromStdString(Out(std::string("plain/") + name + ".png")));
        ASSERT_EQ(icon.size(), QSize(32, 32)) << name;
        EXPECT_TRUE(icon.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << name;
        int opaque = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                opaque += qAlpha(icon.pixel(x, y)) > 200;
            }
        }
        EXPECT_GT(opaque, 60) << name;
    }
}

// Cell k of the sheet shows the fish that wears skin k: compare coarse colour histograms of the
// fish in each cell with those of the skins.
TEST_F(AssetGen, SheetCellsShowTheFishOfTheirSlot) {
    using Histogram = std::array<double, 64>;
    auto bin = [](int r, int g, int b) { return (r / 64) * 16 + (g / 64) * 4 + b / 64; };
    auto normalise = [](Histogram& h) {
        double sum = 0;
        for (double v : h) {
            sum += v;
        }
        for (double& v : h) {
            v /= sum;
        }
    };
    std::vector<Histogram> skins;
    for (int i = 0; i < 20; ++i) {
        const Bmp s = ReadBmp24(Out("fish" + std::to_string(i) + ".bmp"), kSkinW, kSkinH);
        ASSERT_FALSE(HasFailure());
        Histogram h{};
        int rgb[3];
        for (int y = 0; y < kSkinH; ++y) {
            for (int x = 0; x < kSkinW; ++x) {
                s.Pixel(x, y, rgb);
                h[bin(rgb[0], rgb[1], rgb[2])] += 1;
            }
        }
        normalise(h);
        skins.push_back(h);
    }
    const QImage sheet(QString::fromStdString(Out("plain/bitmap129.png")));
    ASSERT_EQ(sheet.size(), QSize(500, 512));
    std::vector<Histogram> cells;
    for (int k = 0; k < 20; ++k) {
        const int x0 = (k % 5) * 100, y0 = (k / 5) * 90;
        Histogram h{};
        for (int y = y0 + 8; y < y0 + 84; ++y) {
            const QColor panel = sheet.pixelColor(x0 + 6, y);  // the panel's colour at this height
            for (int x = x0 + 6; x < x0 + 94; ++x) {
                const QColor c = sheet.pixelColor(x, y);
                if (std::abs(c.red() - panel.red()) + std::abs(c.green() - panel.green()) +
                        std::abs(c.blue() - panel.blue()) >
                    45) {
                    h[bin(c.red(), c.green(), c.blue())] += 1;
                }
            }
        }
        normalise(h);
        cells.push_back(h);
    }
    auto likeness = [&](int cell, int skin) {
        double common = 0;
        for (int b = 0; b < 64; ++b) {
            common += std::min(cells[cell][b], skins[skin][b]);
        }
        return common;
    };
    for (int k = 0; k < 20; ++k) {
        int better = 0;
        for (int i = 0; i < 20; ++i) {
            better += i != k && likeness(k, i) > likeness(k, k);
        }
        EXPECT_LE(better, 1) << "cell " << k;
    }
    // The slot order as a whole beats every shifted order.
    auto total = [&](int shift) {
        double sum = 0;
        for (int k = 0; k < 20; ++k) {
            sum += likeness(k, (k + shift) % 20);
        }
        return sum;
    };
    for (int shift = 1; shift < 20; ++shift) {
        EXPECT_GT(total(0), total(shift)) << "shift " << shift;
    }
}

TEST_F(AssetGen, TwoRunsWriteTheSameBytes) {
    TempDir again;
    ASSERT_EQ(RunGenerator("\"" + again.path() + "\""), 0);
    std::vector<std::string> names = {
        "BackGround0.bmp",     "Particle1.bmp",     "Music.wav",          "plain/bitmap129.png",
        "plain/bitmap133.png", "plain/icon180.png", "plain/cursor158.png"};
    for (int i = 0; i < 20; ++i) {
        names.push_back("fish" + std::to_string(i) + ".bmp");
    }
    for (const std::string& name : names) {
        const std::string a = ReadFileBytes(Out(name));
        EXPECT_FALSE(a.empty()) << name;
        EXPECT_TRUE(a == ReadFileBytes(again.file(name))) << name;
    }
}

TEST_F(AssetGen, RefusesAMissingOrUnwritableOutputFolder) {
    EXPECT_NE(RunGenerator(""), 0);
    TempDir dir;
    WriteFileBytes(dir.file("plain"), "a file where the folder should go");
    EXPECT_NE(RunGenerator("\"" + dir.path() + "\""), 0);
}

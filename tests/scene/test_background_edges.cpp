// The rippled background must show the picture itself at the screen's left and right edges:
// waves push texture coordinates past the picture there, and those pixels must not turn into
// horizontal smears of the picture's edge column.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "WaterGl.h"
#include "scene/BackgroundMesh.h"
#include "scene/RippleSurface.h"
#include "scene/Textures.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"

namespace {

GlTestContext& Context() {
    static GlTestContext ctx;
    return ctx;
}

// Colour steps across a strip of columns [x0, x1) against steps along it. A picture has steps in
// both directions; a smear of one column's colours has almost none across.
double AcrossAlongRatio(const std::vector<std::uint8_t>& rgba, int width, int height, int x0,
                        int x1) {
    double across = 0.0, along = 0.0;
    auto at = [&](int x, int y, int c) {
        return rgba[(static_cast<size_t>(y) * width + x) * 4 + c];
    };
    for (int y = 0; y + 1 < height; ++y) {
        for (int x = x0; x + 1 < x1; ++x) {
            for (int c = 0; c < 3; ++c) {
                across += std::abs(at(x + 1, y, c) - at(x, y, c));
                along += std::abs(at(x, y + 1, c) - at(x, y, c));
            }
        }
    }
    return along > 0.0 ? across / along : 0.0;
}

struct EdgeRatios {
    double left, right;
};

EdgeRatios MeasureEdges(const GlFrameBuffer& frame, const CRippleSurface& water, GLuint picture,
                        int width, int height) {
    BeginTankFrame(width, height, false);
    DrawBackgroundBehindAll(water, picture, BackgroundScaleX(1, width, height, false), 1.0f);
    glFinish();
    const auto pixels = frame.Read();
    const int strip = width / 40;
    return {AcrossAlongRatio(pixels, width, height, 0, strip),
            AcrossAlongRatio(pixels, width, height, width - strip, width)};
}

TEST(BackgroundEdges, ShowThePictureWhileItRipplesAtScreenSizesOfAnyShape) {
    MEROW_REQUIRE_GL(Context());
    SetUpTankGlState();
    TempDir dir;
    GLuint picture = 0;
    LoadBuiltInTexture(154, dir.path(), "BackGround0", &picture, true);
    GLint pictureWidth = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &pictureWidth);
    if (pictureWidth == 0)
        GTEST_SKIP() << "built without the built-in pictures";

    for (const auto& size : {std::pair{1920, 1080}, {2560, 1080}, {1280, 720}, {1680, 1050}}) {
        const int width = size.first, height = size.second;
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        GlFrameBuffer frame(width, height);
        ASSERT_TRUE(frame.complete());
        CRippleSurface water;
        water.Init(width, height);
        const EdgeRatios calm = MeasureEdges(frame, water, picture, width, height);
        // Waves stretch and squeeze the picture a little; a smear of the edge column has next to
        // no steps across it (about a quarter of the calm picture's).
        std::srand(7);
        for (int step = 1; step <= 200; ++step) {
            water.Drop(std::rand() % width, std::rand() % height);  // as the frame does
            water.Step();
            if (step % 10 != 0)
                continue;
            const EdgeRatios now = MeasureEdges(frame, water, picture, width, height);
            ASSERT_GE(now.left, 0.6 * calm.left) << "left edge, step " << step;
            ASSERT_GE(now.right, 0.6 * calm.right) << "right edge, step " << step;
        }
    }
    glDeleteTextures(1, &picture);
}

}  // namespace

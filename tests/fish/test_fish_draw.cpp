#include <GL/gl.h>
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "FishPicture.h"
#include "fish/FishBody.h"
#include "platform/Random.h"
#include "support/GlTestContext.h"

namespace {

const QRgb kBackground = qRgb(26, 51, 89);  // the picture's clear colour

// Bounding box of the pixels the fish changed.
QRect FishPixels(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(kBackground)) + std::abs(qBlue(p) - qBlue(kBackground)) >
                12) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// A fish seen side on (heading 0), settled, wandering off.
CFish StillFish(int size) {
    SeedRand(1);
    CFish fish;
    fish.SetBounds(-100.0f, 100.0f, 100.0f, -100.0f, 0.0f);
    fish.m_nSize = size;
    fish.m_fHeading = fish.m_fHeadingTarget = fish.m_fLastTarget = 0.0f;
    fish.m_fPitchTarget = 0.0f;
    fish.m_nDecideTick = 0;
    return fish;
}

QString SkinPath(int species) {
    const char* dir = std::getenv("MEROW_FISH_SKINS");
    return dir ? QString("%1/fish%2.bmp").arg(dir).arg(species) : QString();
}

}  // namespace

TEST(FishBodyModel, RotationIsTheOneGlBuildsAndAZeroAxisGivesIdentity) {
    float m[16];
    BuildRotation(m, 1.0f, 0.0f, 0.0f, 0.0f);
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(m[i], i % 5 == 0 ? 1.0f : 0.0f) << i;

    GlTestContext ctx;
    MEROW_REQUIRE_GL(ctx);
    const float axes[][3] = {{0, 0, 1}, {1, 2, 3}, {-0.3f, 0.5f, 0.1f}};
    for (const auto& a : axes) {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(37.0f, a[0], a[1], a[2]);
        float gl[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, gl);
        BuildRotation(m, 37.0f * 0.017453292519943295f, a[0], a[1], a[2]);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(m[i], gl[i], 1e-5) << i;
    }
}

TEST(FishBodyModel, DrawsTheFishWhereItIsAndInProportionToItsSize) {
    GlTestContext ctx;
    MEROW_REQUIRE_GL(ctx);
    FishPicture picture(320, 200);
    picture.LoadSkin(SkinPath(0));
    CFish big = StillFish(8);
    const QImage image = picture.Draw(big, 0, FishPicture::Side);
    const QRect box = FishPixels(image);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(box.contains(160, 100)) << "the fish is drawn at its place";
    EXPECT_EQ(image.pixel(2, 2), kBackground);
    EXPECT_GT(box.width(), box.height()) << "seen side on a fish is long";

    CFish small = StillFish(2);
    const QRect smallBox = FishPixels(picture.Draw(small, 0, FishPicture::Side));
    EXPECT_NEAR(static_cast<double>(box.width()) / smallBox.width(), 4.0, 0.5);

    CFish tall = StillFish(8);
    const QImage tallImage = picture.Draw(tall, 7, FishPicture::Side);
    // Across the head, where no fin reaches, the body of species 7 is twice as high.
    const int x = box.left() + box.width() / 7;
    const QRect head = FishPixels(image.copy(x, 0, 1, image.height()));
    const QRect tallHead = FishPixels(tallImage.copy(x, 0, 1, image.height()));
    EXPECT_NEAR(static_cast<double>(tallHead.height()) / head.height(), 2.0, 0.25);
}

TEST(FishBodyModel, DrawingDrawsNoRandomNumbersAndBothSubmitPathsDrawTheSame) {
    GlTestContext ctx;
    MEROW_REQUIRE_GL(ctx);
    FishPicture picture(200, 120);
    picture.LoadSkin(SkinPath(4));
    CFish drawn = StillFish(6);
    drawn.m_fHeadingTarget = 70.0f;
    CFish headless = drawn;
    QImage arrays, immediate;
    for (int frame = 0; frame < 60; ++frame) {
        SeedRand(frame);
        SetFishSubmit(frame % 2 ? FishSubmit::Immediate : FishSubmit::Arrays);
        const QImage image = picture.Draw(drawn, 4, FishPicture::Top);
        if (frame == 58)
            arrays = image;
        const int next = Rand();
        SeedRand(frame);
        picture.Draw(headless, 4, FishPicture::Top, false);
        ASSERT_EQ(next, Rand()) << "frame " << frame;
    }
    SetFishSubmit(FishSubmit::Arrays);
    EXPECT_FLOAT_EQ(drawn.m_fHeading, headless.m_fHeading);
    EXPECT_EQ(std::memcmp(drawn.m_vPos, headless.m_vPos, sizeof drawn.m_vPos), 0);

    // The batched path leaves out hidden body faces and triangles without area only.
    for (int species : {0, 4, 7, 17}) {
        for (FishPicture::View view : {FishPicture::Side, FishPicture::Front, FishPicture::Top}) {
            CFish a = StillFish(8);
            a.m_fHeading = 30.0f;
            a.m_fHeadingTarget = a.m_fLastTarget = 110.0f;  // bent, mid-turn
            a.m_fPitch = 10.0f;
            CFish b = a;
            SetFishSubmit(FishSubmit::Immediate);
            SeedRand(5);
            immediate = picture.Draw(a, species, view);
            SetFishSubmit(FishSubmit::Arrays);
            SeedRand(5);
            arrays = picture.Draw(b, species, view);
            EXPECT_EQ(immediate, arrays) << "species " << species << " view " << view;
        }
    }
}

// Close-ups of every species (side, front, top while turning) for looking at the model:
// MEROW_FISH_SHOTS=<dir> [MEROW_FISH_SKINS=<dir with fish0.bmp ...>].
TEST(FishBodyModel, CloseUps) {
    const char* out = std::getenv("MEROW_FISH_SHOTS");
    if (!out)
        GTEST_SKIP() << "set MEROW_FISH_SHOTS to a folder to write close-ups";
    GlTestContext ctx;
    MEROW_REQUIRE_GL(ctx);
    const int w = 300, h = 190, perSheet = 5;
    FishPicture picture(w, h, 11.0f);
    for (int sheet = 0; sheet < 20 / perSheet; ++sheet) {
        QImage all(w * 4, h * perSheet, QImage::Format_RGB32);
        QPainter painter(&all);
        for (int k = 0; k < perSheet; ++k) {
            const int species = sheet * perSheet + k;
            picture.LoadSkin(SkinPath(species));
            CFish side = StillFish(8);
            side.m_bFinRest = false;
            painter.drawImage(0, k * h, picture.Draw(side, species, FishPicture::Side));
            CFish front = StillFish(8);
            front.m_fHeading = front.m_fHeadingTarget = front.m_fLastTarget = 90.0f;
            painter.drawImage(w, k * h, picture.Draw(front, species, FishPicture::Front));
            CFish top = StillFish(8);
            painter.drawImage(2 * w, k * h, picture.Draw(top, species, FishPicture::Top));
            CFish turning = StillFish(8);
            turning.m_fHeading = 20.0f;
            turning.m_fHeadingTarget = turning.m_fLastTarget = 100.0f;
            painter.drawImage(3 * w, k * h, picture.Draw(turning, species, FishPicture::Top));
            painter.setPen(Qt::white);
            painter.drawText(4, k * h + 14, QString::number(species));
        }
        painter.end();
        EXPECT_TRUE(all.save(QString("%1/fish-closeups-%2.png").arg(out).arg(sheet)));
    }
}

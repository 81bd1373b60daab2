#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>

#include "controls/CColourSlider.h"
#include "controls/CColourSwatch.h"
#include "support/WidgetApplication.h"

namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kWhite(255, 255, 255);

QColor PixelAt(QWidget& widget, QPoint at) {
    return widget.grab().toImage().pixelColor(at);
}

TEST(ColourSwatch, ShowsItsColourInsideAWhiteFrameAndReportsClicks) {
    EnsureWidgetApplication();
    CColourSwatch swatch;
    swatch.resize(40, 20);
    EXPECT_EQ(PixelAt(swatch, {0, 0}), kWhite);
    EXPECT_EQ(PixelAt(swatch, {39, 19}), kWhite);
    EXPECT_EQ(PixelAt(swatch, {1, 1}), kRed) << "a swatch never set is pure red";

    EXPECT_TRUE(swatch.SetColour(Rgb(0, 0, 255)));
    EXPECT_EQ(swatch.GetColour(), Rgb(0, 0, 255));
    EXPECT_EQ(PixelAt(swatch, {20, 10}), QColor(0, 0, 255));
    EXPECT_EQ(PixelAt(swatch, {39, 10}), kWhite);

    QSignalSpy clicked(&swatch, &QPushButton::clicked);
    QTest::mouseClick(&swatch, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicked.count(), 1);
}

// A vertical slider as the settings dialog uses it.
struct VerticalSlider : CColourSlider {
    VerticalSlider() : CColourSlider(Qt::Vertical) {
        resize(32, 160);
        setRange(0, 100);
        setValue(50);
    }
    QPoint ThumbCentre() {
        QStyleOptionSlider opt;
        initStyleOption(&opt);
        return style()
            ->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this)
            .center();
    }
};

TEST(ColourSlider, MarksTheStartWhiteAtTheTopLeftAndTheEndGreenAtTheBottomLeft) {
    EnsureWidgetApplication();
    VerticalSlider slider;
    // The markers are the 7x7 discs at (1, 1) and (1, H - 8).
    EXPECT_EQ(PixelAt(slider, {4, 4}), kWhite);
    EXPECT_EQ(PixelAt(slider, {4, 155}), kGreen);
}

TEST(ColourSlider, ThumbIsRedAndACheckerboardOfRedAndGreenWhileHeld) {
    EnsureWidgetApplication();
    VerticalSlider slider;
    const QPoint centre = slider.ThumbCentre();
    EXPECT_EQ(PixelAt(slider, centre), kRed);

    QTest::mousePress(&slider, Qt::LeftButton, {}, centre);
    const QImage held = slider.grab().toImage();
    const QColor here = held.pixelColor(centre), beside = held.pixelColor(centre + QPoint(1, 0));
    EXPECT_TRUE((here == kRed && beside == kGreen) || (here == kGreen && beside == kRed));
    EXPECT_EQ(held.pixelColor(centre + QPoint(0, 1)), beside) << "a checkerboard, not stripes";

    QTest::mouseRelease(&slider, Qt::LeftButton, {}, centre);
    EXPECT_EQ(PixelAt(slider, centre), kRed);
    EXPECT_EQ(slider.value(), 50) << "pressing the thumb without moving keeps the position";
}

TEST(ColourSlider, KeysMoveItLikeAnySlider) {
    EnsureWidgetApplication();
    VerticalSlider slider;
    QSignalSpy changed(&slider, &QSlider::valueChanged);
    QTest::keyClick(&slider, Qt::Key_Up);
    EXPECT_EQ(slider.value(), 51);
    QTest::keyClick(&slider, Qt::Key_PageUp);
    EXPECT_EQ(slider.value(), 51 + slider.pageStep());
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(1).at(0).toInt(), slider.value());
}

}  // namespace

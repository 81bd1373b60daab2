#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <vector>

#include "controls/CLedCheckBox.h"
#include "support/WidgetApplication.h"

namespace {

// A 120 x 21 box: content 3 px inside, so the 15-px LED spans x 3..17 (102..116 with left text).
constexpr QPoint kLedCentre(10, 9), kLeftTextLedCentre(109, 9), kFace(60, 1);

struct LedCheckBox : ::testing::Test {
    void SetUp() override {
        window.resize(160, 60);
        box.setGeometry(10, 10, 120, 21);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QColor PixelAt(QPoint at) { return box.grab().toImage().pixelColor(at); }
    QColor System(SystemColour colour) { return SystemColourOf(&box, colour); }
    QApplication* app = EnsureWidgetApplication();
    QWidget window;
    CLedCheckBox box{"Random ", &window};
};

TEST_F(LedCheckBox, ClickTogglesBeforeTheParentHearsOfItAndSetCheckTakesOneOrTwo) {
    std::vector<int> heard;
    QObject::connect(&box, &QAbstractButton::clicked, [&] { heard.push_back(box.GetCheck()); });
    QTest::mouseClick(&box, Qt::LeftButton, {}, kLedCentre);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(80, 10));
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_EQ(heard, (std::vector<int>{1, 0, 1}));
    box.SetCheck(0);
    EXPECT_EQ(box.GetCheck(), 0);
    box.SetCheck(2);
    EXPECT_EQ(box.GetCheck(), 1);
    box.SetCheck(3);
    EXPECT_EQ(box.GetCheck(), 0);
}

TEST_F(LedCheckBox, LedIsBrightGreenCheckedDarkGreenUncheckedAndGreyDisabled) {
    EXPECT_EQ(PixelAt(kLedCentre), QColor(0, 127, 0));
    box.SetCheck(1);
    EXPECT_EQ(PixelAt(kLedCentre), QColor(0, 255, 0));
    box.setEnabled(false);
    EXPECT_EQ(PixelAt(kLedCentre), System(SystemColour::ButtonShadow));
}

TEST_F(LedCheckBox, LeftTextPutsTheLedAtTheRightEnd) {
    box.SetLeftText(true);
    EXPECT_EQ(PixelAt(kLeftTextLedCentre), QColor(0, 127, 0));
    EXPECT_EQ(PixelAt(kLedCentre), System(SystemColour::ButtonFace));
}

// The press outside the box holds the left button; Qt hands the drag's moves to the widget that
// was pressed, so the box's own rule is checked by giving it the events directly.
TEST_F(LedCheckBox, DragInWithTheLeftButtonDoesNotLightTheFaceAPlainMoveDoes) {
    const QPointF inside(60, 10), global = box.mapToGlobal(inside);
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(70, 50));
    QEnterEvent enter(inside, inside, global);
    QApplication::sendEvent(&box, &enter);
    QMouseEvent drag(QEvent::MouseMove, inside, global, Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&box, &drag);
    EXPECT_EQ(PixelAt(kFace), System(SystemColour::ButtonFace));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(70, 50));
    QMouseEvent move(QEvent::MouseMove, inside, global, Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(&box, &move);
    EXPECT_EQ(PixelAt(kFace), System(SystemColour::ButtonLight));
}

}  // namespace

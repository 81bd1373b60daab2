#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "controls/CGradientButton.h"
#include "support/WidgetApplication.h"

// 200 x 140: face rows 2..137 (h = 136); steps y * 63 / 136: 0..1 in rows 2..4, 63 from row 136.
constexpr int kW = 200, kH = 140;

struct ShownButton {
    QApplication* app = EnsureWidgetApplication();
    CGradientButton button;
    ShownButton() {
        button.setGeometry(1300, 760, kW, kH);  // away from other tests' pointer paths
        button.show();
        button.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&button));
        button.clearFocus();
    }
    QColor At(int x, int y) { return button.grab().toImage().pixelColor(x, y); }
    void Send(QEvent&& event) { QApplication::sendEvent(&button, &event); }
    void Enter() { Send(QEnterEvent({9, 9}, {9, 9}, {1309, 769})); }
    void Leave() { Send(QEvent(QEvent::Leave)); }
};

// Bottom rows at step 63: grey 205 - 63/3 = 184 (plain) or 205 - 63/4 = 190 (hot); blue 205 - 63/5
// = 193 unless pressed: 205 - 63/4 = 190 (not hot) or 205 - 63/3 = 184 (hot).
TEST(GradientButton, FaceRunsFromGreyToTheBottomColourOfItsState) {
    ShownButton b;
    EXPECT_EQ(b.At(6, 4), QColor(205, 205, 205));
    EXPECT_EQ(b.At(6, kH - 4), QColor(184, 184, 193));
    b.Enter();
    EXPECT_EQ(b.At(6, kH - 4), QColor(190, 190, 193));
    QTest::mouseClick(&b.button, Qt::LeftButton);  // focused by the click: the pressed look
    EXPECT_EQ(b.At(6, kH - 4), QColor(190, 190, 184));
    b.Leave();
    EXPECT_EQ(b.At(6, kH - 4), QColor(184, 184, 190));
}

TEST(GradientButton, HotEdgesWhileTheMouseIsOverElseFocusEdgesWhenFocused) {
    ShownButton b;
    b.Enter();
    EXPECT_EQ(b.At(2, kH / 2), QColor(250, 196, 88));  // the left edge covers column 2
    b.Leave();
    EXPECT_EQ(b.At(2, kH / 2), b.At(6, kH / 2));  // the plain face again
    b.button.setFocus();
    EXPECT_EQ(b.At(kW - 3, kH / 2), QColor(162, 189, 252));  // the right edge, column W - 3
    b.Enter();
    EXPECT_EQ(b.At(kW - 3, kH / 2), QColor(251, 202, 106));
}

TEST(GradientButton, DoubleClickFromTheWindowSystemClicksTwice) {
    ShownButton b;
    QSignalSpy clicks(&b.button, &QAbstractButton::clicked);
    QTest::mouseDClick(b.button.windowHandle(), Qt::LeftButton, {}, {kW / 2, kH / 2});
    EXPECT_EQ(clicks.count(), 2);
}

TEST(GradientButton, DisabledTextIsEmbossedInTheLightColour) {
    ShownButton b;
    b.button.setText(QStringLiteral("Add"));
    QPalette palette = b.button.palette();
    palette.setColor(QPalette::Light, Qt::magenta);
    b.button.setPalette(palette);
    b.button.setEnabled(false);
    // The face's greys and the text's black have red = green; the light colour does not.
    const QImage face = b.button.grab().toImage().copy(4, 4, kW - 8, kH - 8);
    const QRgb* pixels = reinterpret_cast<const QRgb*>(face.constBits());
    const QRgb* end = pixels + face.width() * face.height();
    EXPECT_GT(std::count_if(pixels, end, [](QRgb c) { return qRed(c) > qGreen(c) + 30; }), 10);
}

TEST(GradientButton, TextOfAButtonWithoutAnIconIsCentredAndWhole) {
    ShownButton b;
    b.button.setText(QStringLiteral("Random"));
    const int textWidth = b.button.fontMetrics().horizontalAdvance(QStringLiteral("Random"));
    b.button.setFixedSize(textWidth + 12, kH);  // narrower than the text plus an icon's room
    const QImage face = b.button.grab().toImage();
    int first = face.width(), last = -1;
    for (int y = 4; y < face.height() - 4; ++y)
        for (int x = 4; x < face.width() - 4; ++x)
            if (qGray(face.pixel(x, y)) < 60)
                first = std::min(first, x), last = std::max(last, x);
    ASSERT_GE(last, first) << "the text shows";
    EXPECT_LE(std::abs(first - (face.width() - 1 - last)), 3) << first << ".." << last;
}

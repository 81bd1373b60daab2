#include <gtest/gtest.h>

#include <QTest>

#include "controls/CLinkLabel.h"
#include "platform/MessageBox.h"
#include "support/TempDir.h"
#include "support/WidgetApplication.h"

static bool Shows(QWidget* widget, const QColor& colour) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return std::count(pixels, pixels + image.width() * image.height(), colour.rgb()) > 0;
}

struct LinkLabel : ::testing::Test {
    LinkLabel() { dialog.show(); }
    // Clicks with `script` as the desktop's opener ("": not runnable); returns the message shown.
    std::string ClickWith(const std::string& script) {
        namespace fs = std::filesystem;
        WriteFileBytes(bin.file("xdg-open"), "#!/bin/sh\n" + script + "\n");
        fs::permissions(bin.file("xdg-open"), fs::perms(script.empty() ? 0600 : 0700));
        qputenv("PATH", QByteArray::fromStdString(bin.path()));
        std::vector<ShownMessage> shown;
        CaptureMessageBoxes(&shown);
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.empty() || Shows(label, {85, 26, 139}); }));
        CaptureMessageBoxes(nullptr);
        return shown.empty() ? "" : shown[0].text;
    }
    QApplication* app = EnsureWidgetApplication();
    TempDir bin;
    QWidget dialog;
    CLinkLabel* label = new CLinkLabel("https://example.org/merow", &dialog);
};

TEST_F(LinkLabel, TurnsHotAndHoldsTheMouseWhileThePointerIsOverIt) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseMove(label, label->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QWidget::mouseGrabber() == label; }));
    EXPECT_TRUE(Shows(label, SystemColourOf(label, SystemColour::Highlight)));
    QTest::mouseMove(&dialog, QPoint(390, 190));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QWidget::mouseGrabber(); }));
    EXPECT_TRUE(Shows(label, {0, 0, 238}));
}

TEST_F(LinkLabel, IsUnderlinedAndShowsItsAddressWhenItHasNoTextAndAsItsTooltip) {
    auto* bare = new CLinkLabel(&dialog);
    bare->SetUrl("https://example.org/fish");
    EXPECT_EQ(bare->text() + bare->toolTip(), QString("https://example.org/fish").repeated(2));
    EXPECT_TRUE(bare->font().underline());
}

TEST_F(LinkLabel, ShrinksToItsTextKeepingTheEdgeOrCentreItsAlignmentNames) {
    const QSize text = label->fontMetrics().size(0, label->text());
    auto fit = [&](Qt::Alignment alignment) {
        label->setGeometry(10, 10, 300, 60);
        label->setAlignment(alignment);
        label->FitToText();
        return label->geometry();
    };
    EXPECT_EQ(fit(Qt::AlignLeft | Qt::AlignTop), QRect(QPoint(10, 10), text));
    EXPECT_EQ(fit(Qt::AlignRight | Qt::AlignTop), QRect(QPoint(310 - text.width(), 10), text));
    EXPECT_LE((fit(Qt::AlignCenter).center() - QPoint(159, 39)).manhattanLength(), 2);
    EXPECT_EQ(label->size(), text);
}

TEST_F(LinkLabel, ReportsWhyItsTextCouldNotBeOpenedUntilItOpens) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "There is no application associated\nwith the given filename extension."},
        {"exit 2", "The specified file was not found."},
        {"exit 3", "There is no application associated\nwith the given filename extension."},
        {"exit 4", "Unknown Error (4) occurred."}};
    for (const auto& [script, text] : cases) {
        EXPECT_EQ(ClickWith(script), "Unable to open hyperlink:\n\n" + text);
        EXPECT_TRUE(Shows(label, {0, 0, 238}));
    }
    EXPECT_EQ(ClickWith(R"(test "$1" = https://example.org/merow)"), "");  // opens its own text
    EXPECT_TRUE(Shows(label, {85, 26, 139}));
}

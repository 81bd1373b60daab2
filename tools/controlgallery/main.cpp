// controlgallery OUT.png: renders every custom control in every state into one picture.
// Runs without a display (QT_QPA_PLATFORM=offscreen is used when none is set).
#include <QApplication>
#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "GalleryPanel.h"

std::vector<RegisteredPanel>& GalleryPanels() {
    static std::vector<RegisteredPanel> panels;
    return panels;
}

GalleryPanel::GalleryPanel(const QString& title, std::function<QImage()> render) {
    GalleryPanels().push_back({title, std::move(render)});
}

QImage GalleryRow(const std::vector<std::pair<QString, QImage>>& cells) {
    constexpr int kGap = 12, kCaption = 16;
    int width = kGap, height = 0;
    for (const auto& [caption, image] : cells) {
        width += std::max(image.width(), 90) + kGap;
        height = std::max(height, image.height());
    }
    QImage row(width, height + kCaption + kGap, QImage::Format_RGB32);
    row.fill(QColor(236, 236, 236));
    QPainter p(&row);
    p.setFont(QFont("Sans", 8));
    int x = kGap;
    for (const auto& [caption, image] : cells) {
        p.setPen(Qt::black);
        p.drawText(QRect(x, 0, std::max(image.width(), 90), kCaption),
                   Qt::AlignLeft | Qt::AlignVCenter, caption);
        p.drawImage(x, kCaption, image);
        x += std::max(image.width(), 90) + kGap;
    }
    return row;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: controlgallery OUT.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<std::pair<QString, QImage>> parts;
    int width = 0, height = 0;
    for (const RegisteredPanel& panel : GalleryPanels()) {
        parts.emplace_back(panel.title, panel.render());
        width = std::max(width, parts.back().second.width());
        height += parts.back().second.height() + 28;
    }
    QImage sheet(std::max(width, 400), std::max(height, 40), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int y = 0;
    for (const auto& [title, image] : parts) {
        p.setFont(QFont("Sans", 11, QFont::Bold));
        p.drawText(QRect(8, y, sheet.width() - 16, 28), Qt::AlignLeft | Qt::AlignVCenter, title);
        p.drawImage(0, y + 28, image);
        y += image.height() + 28;
    }
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "controlgallery: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

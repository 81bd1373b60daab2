#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

// One control's part of the gallery: a title and a function that renders the control in each of
// its states into one picture. Each panel file registers itself with a static GalleryPanel.
struct GalleryPanel {
    GalleryPanel(const QString& title, std::function<QImage()> render);
};

struct RegisteredPanel {
    QString title;
    std::function<QImage()> render;
};
std::vector<RegisteredPanel>& GalleryPanels();

// A row of captioned pictures, for a panel to lay out its states.
QImage GalleryRow(const std::vector<std::pair<QString, QImage>>& cells);

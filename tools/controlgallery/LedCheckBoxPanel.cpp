// The LED check box in each of its states, put there through real events.
#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <memory>

#include "GalleryPanel.h"
#include "controls/CLedCheckBox.h"

namespace {

using Setup = std::function<void(CLedCheckBox&)>;

void Hover(CLedCheckBox& box) {
    const QPointF inside(box.width() / 2.0, box.height() / 2.0);
    QEnterEvent enter(inside, box.mapToGlobal(inside), box.mapToGlobal(inside));
    QApplication::sendEvent(&box, &enter);
}

void Press(CLedCheckBox& box) {
    const QPointF inside(box.width() / 2.0, box.height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, inside, box.mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
}

void Focus(CLedCheckBox& box) {
    // Away from the pointer, which would light the face.
    box.move(400, 400);
    box.show();
    QApplication::setActiveWindow(&box);
    box.setFocus(Qt::TabFocusReason);
}

QImage Render(const QString& text, QSize size, const Setup& setup) {
    auto box = std::make_unique<CLedCheckBox>(text);
    box->resize(size);
    setup(*box);
    QApplication::processEvents();
    return box->grab().toImage();
}

QImage RenderPanel() {
    const QSize line(150, 24);
    const QSize tall(110, 44);
    const QSize iconSize(150, 36);
    const auto check = [](CLedCheckBox& b) { b.SetCheck(1); };
    std::vector<std::pair<QString, QImage>> states = {
        {"unchecked", Render("Repeat One", line, [](CLedCheckBox&) {})},
        {"checked", Render("Repeat One", line, check)},
        {"hot", Render("Repeat One", line, Hover)},
        {"hot checked", Render("Repeat One", line,
                               [&](CLedCheckBox& b) {
                                   check(b);
                                   Hover(b);
                               })},
        {"focused", Render("Repeat One", line, Focus)},
        {"pressed", Render("Repeat One", line, Press)},
        {"disabled", Render("Repeat One", line, [](CLedCheckBox& b) { b.setEnabled(false); })},
        {"disabled checked", Render("Repeat One", line,
                                    [&](CLedCheckBox& b) {
                                        check(b);
                                        b.setEnabled(false);
                                    })},
    };
    std::vector<std::pair<QString, QImage>> layouts = {
        {"left text", Render("Random ", line, [](CLedCheckBox& b) { b.SetLeftText(true); })},
        {"centred",
         Render("Random ", line, [](CLedCheckBox& b) { b.SetTextAlignment(Qt::AlignHCenter); })},
        {"right",
         Render("Random ", line, [](CLedCheckBox& b) { b.SetTextAlignment(Qt::AlignRight); })},
        {"wrapped", Render("Lock the foreground colors", tall, check)},
        {"no text", Render("", QSize(21, 21), check)},
        {"own colours", Render("Show Water", line,
                               [&](CLedCheckBox& b) {
                                   b.SetColours(Rgb(255, 0, 0), Rgb(0, 0, 160));
                                   check(b);
                               })},
    };
    const auto icons = [](bool checked, bool enabled) {
        return [=](CLedCheckBox& b) {
            b.SetIcons(160, 175);
            b.SetCheck(checked ? 1 : 0);
            b.setEnabled(enabled);
        };
    };
    std::vector<std::pair<QString, QImage>> iconStates = {
        {"icons checked", Render("Use your own image", iconSize, icons(true, true))},
        {"icons unchecked", Render("Use your own image", iconSize, icons(false, true))},
        {"icons disabled", Render("Use your own image", iconSize, icons(true, false))},
        {"missing icon",
         Render("Use your own image", iconSize, [](CLedCheckBox& b) { b.SetIcons(160, 999); })},
    };
    const QImage rows[] = {GalleryRow(states), GalleryRow(layouts), GalleryRow(iconStates)};
    int width = 0, height = 0;
    for (const QImage& row : rows) {
        width = std::max(width, row.width());
        height += row.height();
    }
    QImage panel(width, height, QImage::Format_RGB32);
    panel.fill(QColor(236, 236, 236));
    QPainter painter(&panel);
    int y = 0;
    for (const QImage& row : rows) {
        painter.drawImage(0, y, row);
        y += row.height();
    }
    return panel;
}

const GalleryPanel kPanel("LED check box (CLedCheckBox)", RenderPanel);

}  // namespace

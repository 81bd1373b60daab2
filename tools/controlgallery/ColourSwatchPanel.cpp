// The colour swatch: unset, set to a few colours, and in the states that must not change its look.
#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>

#include "GalleryPanel.h"
#include "controls/CColourSwatch.h"

namespace {

QImage Swatch(ColorRef colour, bool set, const std::function<void(CColourSwatch&)>& state = {}) {
    CColourSwatch swatch;
    swatch.resize(40, 22);
    if (set)
        swatch.SetColour(colour);
    if (state)
        state(swatch);
    // Enlarged so the 1-pixel frame can be seen.
    return swatch.grab().toImage().scaled(160, 88);
}

void Press(CColourSwatch& swatch) {
    const QPointF at(20, 11);
    QMouseEvent press(QEvent::MouseButtonPress, at, swatch.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&swatch, &press);
}

// The mouse over the middle of the control.
void Hover(CColourSwatch& swatch) {
    const QPointF at = QRectF(swatch.rect()).center();
    QEnterEvent enter(at, at, swatch.mapToGlobal(at));
    QApplication::sendEvent(&swatch, &enter);
    QMouseEvent move(QEvent::MouseMove, at, swatch.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&swatch, &move);
}

void Focus(CColourSwatch& swatch) {
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&swatch, &focus);
}

GalleryPanel panel("Colour swatch (x4)", [] {
    return GalleryRow({
        {"unset", Swatch(0, false)},
        {"blue", Swatch(Rgb(0, 0, 255), true)},
        {"white", Swatch(Rgb(255, 255, 255), true)},
        {"black", Swatch(Rgb(0, 0, 0), true)},
        {"hot", Swatch(Rgb(0, 128, 0), true, Hover)},
        {"focused", Swatch(Rgb(0, 128, 0), true, Focus)},
        {"pressed", Swatch(Rgb(0, 128, 0), true, Press)},
        {"disabled", Swatch(Rgb(0, 128, 0), true, [](CColourSwatch& s) { s.setEnabled(false); })},
    });
});

}  // namespace

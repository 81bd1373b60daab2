// The custom-drawn slider in both orientations, with and without ticks, and in each state.
#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QStyleOptionSlider>

#include "GalleryPanel.h"
#include "controls/CColourSlider.h"

namespace {

// The slider with a way to find its thumb, as the slider itself asks the style for it.
struct GallerySlider : CColourSlider {
    using CColourSlider::CColourSlider;
    QPointF ThumbCentre() {
        QStyleOptionSlider opt;
        initStyleOption(&opt);
        return style()
            ->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this)
            .center();
    }
};

using State = std::function<void(GallerySlider&)>;

QImage Slider(Qt::Orientation orientation, QSlider::TickPosition ticks, int value,
              const State& state = {}) {
    GallerySlider slider(orientation);
    if (orientation == Qt::Horizontal)
        slider.resize(160, 32);
    else
        slider.resize(32, 160);
    slider.setRange(0, 100);
    slider.setValue(value);
    slider.setTickPosition(ticks);
    slider.setTickInterval(10);
    if (state)
        state(slider);
    // Enlarged so the markers and the thumb's pattern can be seen.
    const QImage image = slider.grab().toImage();
    return image.scaled(image.size() * 2);
}

void PressThumb(GallerySlider& slider) {
    const QPointF at = slider.ThumbCentre();
    QMouseEvent press(QEvent::MouseButtonPress, at, slider.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&slider, &press);
}

// The mouse over the middle of the control.
void Hover(GallerySlider& slider) {
    const QPointF at = QRectF(slider.rect()).center();
    QEnterEvent enter(at, at, slider.mapToGlobal(at));
    QApplication::sendEvent(&slider, &enter);
    QMouseEvent move(QEvent::MouseMove, at, slider.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&slider, &move);
}

void Focus(GallerySlider& slider) {
    slider.show();
    slider.activateWindow();
    slider.setFocus(Qt::TabFocusReason);
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&slider, &focus);
}

void Blue(GallerySlider& slider) {
    slider.SetThumbColour(Rgb(0, 0, 255));
}

GalleryPanel horizontal("Custom-drawn slider, horizontal (x2)", [] {
    return GalleryRow({
        {"plain", Slider(Qt::Horizontal, QSlider::NoTicks, 30)},
        {"ticks below", Slider(Qt::Horizontal, QSlider::TicksBelow, 30)},
        {"ticks above", Slider(Qt::Horizontal, QSlider::TicksAbove, 30)},
        {"hot", Slider(Qt::Horizontal, QSlider::NoTicks, 30, Hover)},
        {"pressed", Slider(Qt::Horizontal, QSlider::NoTicks, 30, PressThumb)},
        {"focused", Slider(Qt::Horizontal, QSlider::NoTicks, 30, Focus)},
        {"disabled", Slider(Qt::Horizontal, QSlider::NoTicks, 30,
                            [](GallerySlider& s) { s.setEnabled(false); })},
    });
});

GalleryPanel vertical("Custom-drawn slider, vertical (x2)", [] {
    return GalleryRow({
        {"plain", Slider(Qt::Vertical, QSlider::NoTicks, 0)},
        {"at end", Slider(Qt::Vertical, QSlider::NoTicks, 100)},
        {"ticks right", Slider(Qt::Vertical, QSlider::TicksRight, 40)},
        {"ticks left", Slider(Qt::Vertical, QSlider::TicksLeft, 40)},
        {"ticks both", Slider(Qt::Vertical, QSlider::TicksBothSides, 40)},
        {"hot", Slider(Qt::Vertical, QSlider::NoTicks, 40, Hover)},
        {"pressed", Slider(Qt::Vertical, QSlider::NoTicks, 40, PressThumb)},
        {"focused", Slider(Qt::Vertical, QSlider::NoTicks, 40, Focus)},
        {"disabled",
         Slider(Qt::Vertical, QSlider::NoTicks, 40, [](GallerySlider& s) { s.setEnabled(false); })},
        {"blue thumb", Slider(Qt::Vertical, QSlider::NoTicks, 40, Blue)},
    });
});

}  // namespace

#pragma once

#include <QBrush>
#include <QSlider>

#include "controls/SystemLook.h"

// A slider that keeps every behaviour of QSlider (range, position, keyboard, wheel, signals) and
// paints its own thumb and marks: the thumb is a disc in the thumb colour with a green outline
// (a checkerboard of the thumb colour and green while it is held down), the channel gets a green
// frame, and two small discs mark the start (white) and the end (green) of the track.
class CColourSlider : public QSlider {
    Q_OBJECT

public:
    explicit CColourSlider(QWidget* parent = nullptr);
    explicit CColourSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Sets the thumb colour and puts the outline, channel and end-marker colours back to green.
    void SetThumbColour(ColorRef colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void MakeBrushes();

    ColorRef m_crThumb = Rgb(255, 0, 0);
    ColorRef m_crThumbOutline = Rgb(0, 255, 0);
    ColorRef m_crChannelLight = Rgb(0, 255, 0);
    ColorRef m_crChannelDark = Rgb(0, 255, 0);
    ColorRef m_crEndMarker = Rgb(0, 255, 0);
    QBrush m_brThumb;
    QBrush m_brThumbPressed;
};

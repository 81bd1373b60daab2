#include "controls/CColourSwatch.h"

#include <QPainter>

CColourSwatch::CColourSwatch(QWidget* parent) : QPushButton(parent) {}

bool CColourSwatch::SetColour(ColorRef colour) {
    if (colour == m_crColour)
        return true;
    m_crColour = colour;
    update();
    return true;
}

void CColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect();
    painter.fillRect(box, ColourFromRef(m_crColour));
    // The frame covers the outermost row and column of pixels on every side.
    const QColor white(255, 255, 255);
    painter.fillRect(box.left(), box.top(), box.width(), 1, white);
    painter.fillRect(box.left(), box.bottom(), box.width(), 1, white);
    painter.fillRect(box.left(), box.top(), 1, box.height(), white);
    painter.fillRect(box.right(), box.top(), 1, box.height(), white);
}

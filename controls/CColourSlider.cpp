#include "controls/CColourSlider.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QStylePainter>

namespace {

constexpr ColorRef kGreen = Rgb(0, 255, 0);

// An ellipse that covers exactly the pixels of `box`, outlined with a 1-pixel pen.
void DrawDisc(QPainter& painter, const QRect& box, ColorRef outline, const QBrush& fill) {
    painter.setPen(QPen(ColourFromRef(outline), 1));
    painter.setBrush(fill);
    painter.drawEllipse(box.adjusted(0, 0, -1, -1));
}

// A 1-pixel 3-D frame on the outermost pixels of `box`: top and left in one colour, bottom and
// right (including both far corners) in the other.
void Draw3dFrame(QPainter& painter, const QRect& box, ColorRef topLeft, ColorRef bottomRight) {
    const QColor lit = ColourFromRef(topLeft), shaded = ColourFromRef(bottomRight);
    painter.fillRect(box.left(), box.top(), box.width() - 1, 1, lit);
    painter.fillRect(box.left(), box.top(), 1, box.height() - 1, lit);
    painter.fillRect(box.right(), box.top(), 1, box.height(), shaded);
    painter.fillRect(box.left(), box.bottom(), box.width(), 1, shaded);
}

}  // namespace

CColourSlider::CColourSlider(QWidget* parent) : CColourSlider(Qt::Horizontal, parent) {}

CColourSlider::CColourSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent) {
    MakeBrushes();
}

void CColourSlider::SetThumbColour(ColorRef colour) {
    if (colour == m_crThumb && m_crThumbOutline == kGreen && m_crChannelLight == kGreen &&
        m_crChannelDark == kGreen && m_crEndMarker == kGreen)
        return;
    m_crThumbOutline = m_crChannelLight = m_crChannelDark = m_crEndMarker = kGreen;
    m_crThumb = colour;
    MakeBrushes();
    update();
}

void CColourSlider::MakeBrushes() {
    m_brThumb = QBrush(ColourFromRef(m_crThumb));
    // An 8x8 one-bit pattern, rows alternately 0x55 and 0xAA (leftmost pixel in the high bit): a
    // set bit shows the thumb colour, a clear bit the channel's light colour.
    QImage pattern(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        const int bits = y % 2 == 0 ? 0x55 : 0xAA;
        for (int x = 0; x < 8; ++x) {
            const bool set = (bits >> (7 - x)) & 1;
            pattern.setPixelColor(x, y, ColourFromRef(set ? m_crThumb : m_crChannelLight));
        }
    }
    m_brThumbPressed = QBrush(pattern);
}

void CColourSlider::paintEvent(QPaintEvent*) {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, this);
    const QRect thumb =
        style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);

    // The style paints the channel and the ticks; the thumb is ours.
    QStylePainter painter(this);
    opt.subControls = QStyle::SC_SliderGroove;
    if (tickPosition() != NoTicks)
        opt.subControls |= QStyle::SC_SliderTickmarks;
    painter.drawComplexControl(QStyle::CC_Slider, opt);
    painter.setRenderHint(QPainter::Antialiasing, false);

    Draw3dFrame(painter, groove.adjusted(1, 1, -1, -1), m_crChannelDark, m_crChannelLight);

    if (isSliderDown()) {
        // The pattern starts at the thumb's corner, so the thumb looks the same wherever it is.
        painter.setBrushOrigin(thumb.left() % 8, thumb.top() % 8);
        DrawDisc(painter, thumb, m_crThumbOutline, m_brThumbPressed);
    } else {
        DrawDisc(painter, thumb, m_crThumbOutline, m_brThumb);
    }

    // The markers sit in the corners away from the ticks.
    const int w = width(), h = height();
    QRect start(1, 1, 7, 7), end;
    if (orientation() == Qt::Horizontal) {
        if (tickPosition() == TicksAbove)
            start.moveTop(h - 8);
        end = start.translated(w - 9, 0);
    } else {
        if (tickPosition() == TicksLeft)
            start.moveLeft(w - 8);
        end = start.translated(0, h - 9);
    }
    DrawDisc(painter, start, m_crThumb, QBrush(Qt::white));
    DrawDisc(painter, end, m_crThumb, QBrush(ColourFromRef(m_crEndMarker)));
}

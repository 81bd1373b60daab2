#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <cstdint>

class QPainter;
class QWidget;

// What the owner-drawn controls take from the desktop: the widget's palette stands in for the
// system colours, and the 3-D edge is 2 pixels wide in both directions.

constexpr int kSystemEdge = 2;

enum class SystemColour {
    ButtonFace,    // a control's face
    ButtonLight,   // the lit side of a 3-D edge
    ButtonShadow,  // the shaded side of a 3-D edge, grey text
    ButtonText,    // text on a face
    Highlight,     // selected items and links under the mouse
};

QColor SystemColourOf(const QWidget* widget, SystemColour colour);

// A colour as the settings file stores it: 0x00BBGGRR.
using ColorRef = std::uint32_t;
constexpr ColorRef Rgb(int r, int g, int b) {
    return static_cast<ColorRef>(r & 0xff) | (static_cast<ColorRef>(g & 0xff) << 8) |
           (static_cast<ColorRef>(b & 0xff) << 16);
}
QColor ColourFromRef(ColorRef colour);
ColorRef RefFromColour(const QColor& colour);

// Text as a disabled control shows it: once in the light colour moved by (1, 1), then in the
// shadow colour in place. `flags` are Qt::AlignmentFlag / Qt::TextFlag values.
void DrawEmbossedText(QPainter& painter, const QRect& box, int flags, const QString& text,
                      const QWidget* widget);

// A picture as a disabled control shows it: its shape in the light colour moved by (1, 1) under
// its shape in the shadow colour.
QPixmap EmbossedPixmap(const QPixmap& pixmap, const QWidget* widget);

#include "controls/SystemLook.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

QColor SystemColourOf(const QWidget* widget, SystemColour colour) {
    const QPalette palette = widget ? widget->palette() : QPalette();
    switch (colour) {
        case SystemColour::ButtonFace:
            return palette.color(QPalette::Button);
        case SystemColour::ButtonLight:
            return palette.color(QPalette::Light);
        case SystemColour::ButtonShadow:
            return palette.color(QPalette::Dark);
        case SystemColour::ButtonText:
            return palette.color(QPalette::ButtonText);
        case SystemColour::Highlight:
            return palette.color(QPalette::Highlight);
    }
    return {};
}

QColor ColourFromRef(ColorRef colour) {
    return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

ColorRef RefFromColour(const QColor& colour) {
    return Rgb(colour.red(), colour.green(), colour.blue());
}

void DrawEmbossedText(QPainter& painter, const QRect& box, int flags, const QString& text,
                      const QWidget* widget) {
    painter.save();
    painter.setPen(SystemColourOf(widget, SystemColour::ButtonLight));
    painter.drawText(box.translated(1, 1), flags, text);
    painter.setPen(SystemColourOf(widget, SystemColour::ButtonShadow));
    painter.drawText(box, flags, text);
    painter.restore();
}

QPixmap EmbossedPixmap(const QPixmap& pixmap, const QWidget* widget) {
    if (pixmap.isNull())
        return pixmap;
    auto shape = [&pixmap](const QColor& colour) {
        QPixmap filled(pixmap.size());
        filled.fill(Qt::transparent);
        QPainter p(&filled);
        p.drawPixmap(0, 0, pixmap);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(filled.rect(), colour);
        return filled;
    };
    QPixmap out(pixmap.width() + 1, pixmap.height() + 1);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawPixmap(1, 1, shape(SystemColourOf(widget, SystemColour::ButtonLight)));
    p.drawPixmap(0, 0, shape(SystemColourOf(widget, SystemColour::ButtonShadow)));
    return out;
}

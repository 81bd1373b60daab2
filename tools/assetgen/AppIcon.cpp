#include "AppIcon.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "Glyphs.h"

namespace {

// Sand and two weed blades along the badge's floor.
void Floor(QPainter& p) {
    QPainterPath inside;
    inside.addRoundedRect(QRectF(10, 10, 108, 108), 22, 22);
    p.save();
    p.setClipPath(inside);
    p.setPen(QPen(QColor(40, 130, 60), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath weed(QPointF(26, 112));
    weed.cubicTo(QPointF(18, 92), QPointF(34, 82), QPointF(24, 62));
    p.drawPath(weed);
    QPainterPath weed2(QPointF(100, 112));
    weed2.cubicTo(QPointF(108, 96), QPointF(94, 88), QPointF(104, 72));
    p.drawPath(weed2);
    QLinearGradient sand(QPointF(0, 100), QPointF(0, 122));
    sand.setColorAt(0.0, QColor(240, 214, 150));
    sand.setColorAt(1.0, QColor(196, 156, 92));
    QPainterPath dune(QPointF(0, 106));
    dune.quadTo(QPointF(44, 96), QPointF(80, 104));
    dune.quadTo(QPointF(108, 110), QPointF(128, 100));
    dune.lineTo(128, 128);
    dune.lineTo(0, 128);
    dune.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(sand);
    p.drawPath(dune);
    p.restore();
}

void Bubbles(QPainter& p) {
    p.setBrush(QColor(255, 255, 255, 70));
    p.setPen(QPen(QColor(255, 255, 255, 230), 3));
    p.drawEllipse(QPointF(101, 37), 7, 7);
    p.drawEllipse(QPointF(92, 23), 5, 5);
    p.drawEllipse(QPointF(103, 14), 3.5, 3.5);
}

void Paint(QPainter& p, bool detailed) {
    DrawBadge(p);
    if (detailed) {
        Floor(p);
        Bubbles(p);
        DrawFishGlyph(p, QPointF(88, 80), 34, QColor(250, 210, 50));
    }
    DrawFishGlyph(p, QPointF(detailed ? 52 : 56, detailed ? 62 : 60), detailed ? 74 : 90,
                  QColor(250, 130, 30));
}

}  // namespace

QImage PaintAppIcon(int size) {
    // Drawn at four times the size in the 128 x 128 design box, then scaled down smoothly.
    const int big = size * 4;
    QImage canvas(big, big, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(big / 128.0, big / 128.0);
    Paint(p, size >= 32);
    p.end();
    return canvas.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

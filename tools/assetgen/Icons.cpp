#include "Icons.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "Glyphs.h"

namespace {

void FishSettingsIcon(QPainter& p) {
    DrawFishGlyph(p, QPointF(58, 58), 86, QColor(250, 130, 30));
    p.setPen(QPen(QColor(20, 80, 30), 3));
    p.setBrush(QColor(70, 190, 80));
    p.drawEllipse(QPointF(94, 94), 21, 21);
    p.setPen(QPen(QColor(255, 255, 255), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(94, 82), QPointF(94, 106));
    p.drawLine(QPointF(82, 94), QPointF(106, 94));
}

void PictureIcon(QPainter& p) {
    const QRectF frame(22, 26, 84, 76);
    QLinearGradient water(frame.topLeft(), frame.bottomLeft());
    water.setColorAt(0.0, QColor(150, 225, 240));
    water.setColorAt(1.0, QColor(30, 110, 170));
    p.setPen(QPen(QColor(255, 255, 255), 7));
    p.setBrush(water);
    p.drawRoundedRect(frame, 8, 8);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 230 - 60 * i), 4));
        p.drawEllipse(QPointF(64, 84), 14.0 + 13 * i, 5.0 + 4.5 * i);
    }
    p.setPen(QPen(QColor(20, 70, 120), 3));
    p.setBrush(QColor(230, 248, 255));
    p.drawPath(DropPath(64, 72, 11));
}

void HandIcon(QPainter& p) {
    p.save();
    p.translate(20, 10);
    p.scale(0.85, 0.85);
    p.setPen(QPen(QColor(20, 50, 80), 6));
    p.setBrush(QColor(255, 246, 236));
    p.drawPath(HandPath(44, 8));
    p.restore();
}

void FeedIcon(QPainter& p) {
    DrawShaker(p, 44, 70, -135, 4);
    const QPointF pellets[] = {{34, 88}, {46, 96}, {30, 104}, {42, 112}};
    DrawPellets(p, pellets, 4, 5);
}

}  // namespace

QImage PaintIcon(int id) {
    std::function<void(QPainter&)> glyph;
    switch (id) {
        case 180:
            glyph = FishSettingsIcon;
            break;
        case 253:
            glyph = [](QPainter& p) { DrawNotes(p, QColor(255, 255, 255)); };
            break;
        case 232:
            glyph = PictureIcon;
            break;
        case 175:
            glyph = [](QPainter& p) { DrawPower(p, QColor(255, 120, 100)); };
            break;
        case 160:
            glyph = HandIcon;
            break;
        case 133:
            glyph = FeedIcon;
            break;
        case 137:
            glyph = [](QPainter& p) { DrawSliders(p, QColor(255, 255, 255)); };
            break;
        case 136:
            glyph = [](QPainter& p) { DrawEye(p, QPointF(64, 64), 88); };
            break;
        default:
            return QImage();
    }
    return RenderSmall(32, [&](QPainter& p) {
        DrawBadge(p);
        glyph(p);
    });
}

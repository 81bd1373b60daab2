#include "Cursors.h"

#include <QLinearGradient>

#include "Glyphs.h"

namespace {

const QColor kOutline(16, 30, 48);

void Hand(QPainter& p, bool bPressed) {
    p.setPen(QPen(kOutline, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(bPressed ? QColor(255, 226, 200) : QColor(255, 250, 244));
    p.drawPath(HandPath(44, 8));
    if (bPressed) {
        // Little strokes round the fingertip: the touch.
        p.setPen(QPen(QColor(255, 255, 255), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 10), QPointF(14, 4));
        p.drawLine(QPointF(22, 24), QPointF(10, 26));
        p.drawLine(QPointF(66, 10), QPointF(76, 4));
    }
}

void Shaker(QPainter& p, bool bPressed) {
    DrawShaker(p, 44, 92, bPressed ? -150 : -125, 6);
    if (bPressed) {
        const QPointF pellets[] = {{34, 106}, {26, 116}, {42, 118}, {32, 124}};
        DrawPellets(p, pellets, 4, 5);
    } else {
        const QPointF pellet[] = {{34, 108}};
        DrawPellets(p, pellet, 1, 5);
    }
}

void Drop(QPainter& p, bool bPressed) {
    if (bPressed) {
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 2; ++i) {
            p.setPen(QPen(kOutline, 9));
            p.drawEllipse(QPointF(64, 112), 22.0 + 18 * i, 7.0 + 5 * i);
            p.setPen(QPen(QColor(200, 240, 255), 4));
            p.drawEllipse(QPointF(64, 112), 22.0 + 18 * i, 7.0 + 5 * i);
        }
    }
    const QPainterPath drop = bPressed ? DropPath(64, 96, 16) : DropPath(64, 112, 22);
    QLinearGradient g(QPointF(40, 0), QPointF(88, 0));
    g.setColorAt(0.0, QColor(120, 210, 250));
    g.setColorAt(1.0, QColor(20, 110, 200));
    p.setPen(QPen(kOutline, 6));
    p.setBrush(g);
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(bPressed ? QPointF(57, 80) : QPointF(54, 92), 5, 8);
}

void Crosshair(QPainter& p, bool bPressed) {
    const double r = bPressed ? 26 : 38;
    const QColor light = bPressed ? QColor(255, 200, 90) : QColor(255, 255, 255);
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(
            QPen(pass == 0 ? kOutline : light, pass == 0 ? 14 : 6, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(64, 64), r, r);
        p.drawLine(QPointF(64, 4), QPointF(64, 44));
        p.drawLine(QPointF(64, 84), QPointF(64, 124));
        p.drawLine(QPointF(4, 64), QPointF(44, 64));
        p.drawLine(QPointF(84, 64), QPointF(124, 64));
    }
    p.setPen(QPen(kOutline, 3));
    p.setBrush(light);
    p.drawEllipse(QPointF(64, 64), bPressed ? 8 : 5, bPressed ? 8 : 5);
}

}  // namespace

QImage PaintCursor(int id) {
    switch (id) {
        case 158:
            return RenderSmall(32, [](QPainter& p) { Hand(p, false); });
        case 159:
            return RenderSmall(32, [](QPainter& p) { Hand(p, true); });
        case 163:
            return RenderSmall(32, [](QPainter& p) { Shaker(p, false); });
        case 164:
            return RenderSmall(32, [](QPainter& p) { Shaker(p, true); });
        case 167:
            return RenderSmall(32, [](QPainter& p) { Drop(p, false); });
        case 177:
            return RenderSmall(32, [](QPainter& p) { Drop(p, true); });
        case 169:
            return RenderSmall(32, [](QPainter& p) { Crosshair(p, false); });
        case 178:
            return RenderSmall(32, [](QPainter& p) { Crosshair(p, true); });
        default:
            return QImage();
    }
}

QPoint CursorHotSpot(int id) {
    switch (id) {
        case 158:
        case 159:
            return QPoint(11, 2);
        case 163:
        case 164:
            return QPoint(8, 27);
        case 167:
        case 177:
            return QPoint(16, 28);
        default:
            return QPoint(16, 16);
    }
}

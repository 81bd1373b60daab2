#include "Cursors.h"

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

// Magnifying glass with its lens centred on the hot spot (50, 50): a "+" to enlarge a fish,
// a "-" to shrink one. Held down, the lens lights up amber and sparks fly off its rim.
void Magnifier(QPainter& p, bool bPlus, bool bPressed) {
    const QPointF centre(50, 50);
    const double r = 30;
    const QColor light = bPressed ? QColor(255, 200, 90) : QColor(255, 255, 255);

    p.setPen(QPen(kOutline, 24, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(76, 76), QPointF(112, 112));
    p.setPen(QPen(QColor(150, 96, 52), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(82, 82), QPointF(112, 112));

    // A translucent lens, so the fish under it still shows through the glass.
    p.setPen(Qt::NoPen);
    p.setBrush(bPressed ? QColor(255, 230, 170, 150) : QColor(190, 230, 255, 130));
    p.drawEllipse(centre, r, r);
    p.setBrush(Qt::NoBrush);
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(QPen(pass == 0 ? kOutline : light, pass == 0 ? 14 : 6));
        p.drawEllipse(centre, r, r);
    }
    p.setPen(QPen(QColor(255, 255, 255, 200), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre.x() - 20, centre.y() - 20, 40, 40), 100 * 16, 60 * 16);

    // The sign: square caps so the dark pass also rims the ends of the bars.
    const double arm = 14;
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(
            QPen(pass == 0 ? kOutline : light, pass == 0 ? 13 : 5, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
        if (bPlus) {
            p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
        }
    }

    if (bPressed) {
        const QPointF rays[][2] = {{{21, 21}, {12, 12}},
                                   {{50, 9}, {50, 2}},
                                   {{9, 50}, {2, 50}},
                                   {{79, 21}, {88, 12}},
                                   {{21, 79}, {12, 88}}};
        for (int pass = 0; pass < 2; ++pass) {
            p.setPen(QPen(pass == 0 ? kOutline : light, pass == 0 ? 11 : 5, Qt::SolidLine,
                          Qt::RoundCap));
            for (const auto& ray : rays) {
                p.drawLine(ray[0], ray[1]);
            }
        }
    }
}

QImage PaintCursorPicture(int id) {
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
            return RenderSmall(32, [](QPainter& p) { Magnifier(p, true, false); });
        case 177:
            return RenderSmall(32, [](QPainter& p) { Magnifier(p, true, true); });
        case 169:
            return RenderSmall(32, [](QPainter& p) { Magnifier(p, false, false); });
        case 178:
            return RenderSmall(32, [](QPainter& p) { Magnifier(p, false, true); });
        default:
            return QImage();
    }
}

}  // namespace

QImage PaintCursor(int id) {
    QImage picture = PaintCursorPicture(id);
    if (picture.isNull())
        return picture;
    // The hot spot travels inside the PNG, so the program never keeps a table of its own.
    const QPoint hotSpot = CursorHotSpot(id);
    picture.setText(kHotSpotXKey, QString::number(hotSpot.x()));
    picture.setText(kHotSpotYKey, QString::number(hotSpot.y()));
    return picture;
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
        case 169:
        case 178:
            return QPoint(12, 12);
        default:
            return QPoint(16, 16);
    }
}

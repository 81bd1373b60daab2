#include "Glyphs.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

QImage RenderSmall(int size, const std::function<void(QPainter&)>& paint) {
    QImage big(128, 128, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

void DrawBadge(QPainter& p) {
    const QRectF box(6, 6, 116, 116);
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, QColor(112, 204, 218));
    g.setColorAt(1.0, QColor(22, 96, 148));
    p.setPen(QPen(QColor(14, 62, 100), 4));
    p.setBrush(g);
    p.drawRoundedRect(box, 26, 26);
    // Gloss on the upper half.
    QPainterPath clip;
    clip.addRoundedRect(box.adjusted(4, 4, -4, -4), 22, 22);
    p.save();
    p.setClipPath(clip);
    QLinearGradient gloss(QPointF(0, 8), QPointF(0, 60));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(-20, -60, 168, 120));
    p.restore();
}

QPainterPath HandPath(double tipX, double tipY) {
    // Index finger up, three fingers curled into the palm, thumb along the side.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(tipX - 9, tipY, 18, 62), 9, 9);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(tipX - 11, tipY + 40, 52, 52), 14, 14);
    hand = hand.united(palm);
    for (int i = 0; i < 3; ++i) {
        QPainterPath knuckle;
        knuckle.addRoundedRect(QRectF(tipX + 7 + i * 11, tipY + 34 + i * 2, 13, 26), 6.5, 6.5);
        hand = hand.united(knuckle);
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(tipX - 24, tipY + 50, 30, 16), 8, 8);
    hand = hand.united(thumb);
    QPainterPath wrist;
    wrist.addRect(QRectF(tipX - 5, tipY + 86, 40, 22));
    return hand.united(wrist);
}

QPainterPath DropPath(double x, double y, double r) {
    QPainterPath drop(QPointF(x, y - r * 3.2));
    drop.cubicTo(QPointF(x + r * 0.4, y - r * 2.2), QPointF(x + r, y - r * 1.6),
                 QPointF(x + r, y - r));
    drop.arcTo(QRectF(x - r, y - 2 * r, 2 * r, 2 * r), 0, -180);
    drop.cubicTo(QPointF(x - r, y - r * 1.6), QPointF(x - r * 0.4, y - r * 2.2),
                 QPointF(x, y - r * 3.2));
    drop.closeSubpath();
    return drop;
}

void DrawFishGlyph(QPainter& p, QPointF c, double length, const QColor& body) {
    const double h = length * 0.46;
    QPainterPath tail(QPointF(c.x() + length * 0.3, c.y()));
    tail.lineTo(c.x() + length * 0.55, c.y() - h * 0.55);
    tail.quadTo(QPointF(c.x() + length * 0.48, c.y()),
                QPointF(c.x() + length * 0.55, c.y() + h * 0.55));
    tail.closeSubpath();
    QPainterPath fish;
    fish.addEllipse(QPointF(c.x() - length * 0.08, c.y()), length * 0.42, h / 2);
    fish = fish.united(tail);
    QLinearGradient g(QPointF(0, c.y() - h / 2), QPointF(0, c.y() + h / 2));
    g.setColorAt(0.0, body.lighter(130));
    g.setColorAt(1.0, body.darker(130));
    p.setPen(QPen(body.darker(220), 4));
    p.setBrush(g);
    p.drawPath(fish);
    // One white band and the eye make it read as a fish even at 24 pixels.
    p.save();
    p.setClipPath(fish);
    p.fillRect(QRectF(c.x() - length * 0.2, c.y() - h, length * 0.1, 2 * h), QColor(255, 255, 255));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 30));
    p.drawEllipse(QPointF(c.x() - length * 0.35, c.y() - h * 0.1), length * 0.05, length * 0.05);
}

void DrawNotes(QPainter& p, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(42, 90), 15, 11);
    p.drawEllipse(QPointF(88, 80), 15, 11);
    p.setPen(QPen(colour, 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(54, 88), QPointF(54, 30));
    p.drawLine(QPointF(100, 78), QPointF(100, 20));
    QPainterPath beam(QPointF(51, 26));
    beam.lineTo(103, 14);
    beam.lineTo(103, 30);
    beam.lineTo(51, 42);
    beam.closeSubpath();
    p.setPen(Qt::NoPen);
    p.drawPath(beam);
}

void DrawEye(QPainter& p, QPointF c, double w) {
    QPainterPath eye(QPointF(c.x() - w / 2, c.y()));
    eye.quadTo(QPointF(c.x(), c.y() - w * 0.55), QPointF(c.x() + w / 2, c.y()));
    eye.quadTo(QPointF(c.x(), c.y() + w * 0.55), QPointF(c.x() - w / 2, c.y()));
    p.setPen(QPen(QColor(20, 50, 80), 5));
    p.setBrush(QColor(250, 252, 255));
    p.drawPath(eye);
    QRadialGradient iris(c, w * 0.2);
    iris.setColorAt(0.0, QColor(120, 220, 240));
    iris.setColorAt(1.0, QColor(20, 110, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(c, w * 0.2, w * 0.2);
    p.setBrush(QColor(12, 20, 30));
    p.drawEllipse(c, w * 0.09, w * 0.09);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c + QPointF(-w * 0.06, -w * 0.06), w * 0.035, w * 0.035);
}

void DrawPower(QPainter& p, const QColor& colour) {
    p.setPen(QPen(colour, 11, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(32, 34, 64, 64), 60 * 16, -300 * 16);  // open at the top
    p.drawLine(QPointF(64, 26), QPointF(64, 62));
}

void DrawSliders(QPainter& p, const QColor& colour) {
    const double knobs[3] = {48, 82, 62};
    for (int i = 0; i < 3; ++i) {
        const double y = 38 + i * 26;
        p.setPen(QPen(colour, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(30, y), QPointF(98, y));
        p.setPen(QPen(QColor(20, 60, 90), 3));
        p.setBrush(QColor(255, 200, 90));
        p.drawEllipse(QPointF(knobs[i], y), 9, 9);
    }
}

void DrawShaker(QPainter& p, double x, double y, double angle, double outline) {
    p.save();
    p.translate(x, y);
    p.rotate(angle);
    // The mouth is at the origin; the can extends along +y.
    const QRectF can(-22, 16, 44, 64);
    QLinearGradient g(can.topLeft(), can.topRight());
    g.setColorAt(0.0, QColor(240, 120, 40));
    g.setColorAt(0.5, QColor(255, 190, 110));
    g.setColorAt(1.0, QColor(210, 90, 30));
    p.setPen(QPen(QColor(40, 30, 30), outline));
    p.setBrush(g);
    p.drawRoundedRect(can, 8, 8);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(-22, 36, 44, 18));  // label
    QLinearGradient cap(QPointF(-25, 0), QPointF(25, 0));
    cap.setColorAt(0.0, QColor(60, 150, 200));
    cap.setColorAt(0.5, QColor(150, 220, 245));
    cap.setColorAt(1.0, QColor(40, 120, 180));
    p.setBrush(cap);
    p.drawRoundedRect(QRectF(-25, 0, 50, 18), 5, 5);
    p.restore();
}

void DrawPellets(QPainter& p, const QPointF* at, int n, double r) {
    p.setPen(QPen(QColor(60, 30, 10), 2));
    p.setBrush(QColor(200, 120, 50));
    for (int i = 0; i < n; ++i) {
        p.drawEllipse(at[i], r, r);
    }
}

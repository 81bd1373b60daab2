#include "DialogPictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

#include "Glyphs.h"

namespace {

// Paints in a design box `scale` times the picture's size and scales down smoothly, so even the
// smallest pictures get soft edges.
QImage Render(int width, int height, double scale, const std::function<void(QPainter&)>& paint) {
    QImage big(qRound(width * scale), qRound(height * scale), QImage::Format_RGB32);
    big.fill(QColor(16, 64, 110));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

void Water(QPainter& p, const QRectF& box, const QColor& top, const QColor& bottom) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.fillRect(box, g);
}

void Bubble(QPainter& p, QPointF c, double r) {
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r);
    g.setColorAt(0.0, QColor(255, 255, 255, 150));
    g.setColorAt(0.7, QColor(255, 255, 255, 40));
    g.setColorAt(1.0, QColor(255, 255, 255, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void Rays(QPainter& p, double width, double height) {
    for (int i = 0; i < 4; ++i) {
        const double x = width * (0.15 + 0.22 * i);
        QPainterPath ray(QPointF(x - 6, 0));
        ray.lineTo(x + 10, 0);
        ray.lineTo(x + 36, height);
        ray.lineTo(x + 6, height);
        ray.closeSubpath();
        QLinearGradient g(QPointF(0, 0), QPointF(0, height));
        g.setColorAt(0.0, QColor(255, 255, 210, 120));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.fillPath(ray, g);
    }
}

// A glossy aqua face: dark rim, light top half.
void ButtonFace(QPainter& p, const QRectF& box, bool rim) {
    Water(p, box, QColor(132, 214, 228), QColor(22, 96, 148));
    QLinearGradient gloss(box.topLeft(), QPointF(box.left(), box.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.fillRect(QRectF(box.left(), box.top(), box.width(), box.height() / 2), gloss);
    if (rim) {
        p.setPen(QPen(QColor(14, 62, 100), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box.adjusted(2, 2, -2, -2));
    }
}

// The tank as each look shows it: look 0 with its picture (sand, a rock, a plant), the others
// as open water of their own colour.
void TankLook(QPainter& p, int look) {
    const QRectF box(0, 0, 104, 40);
    const QColor tops[] = {QColor(96, 188, 206), QColor(40, 90, 150), QColor(60, 150, 120),
                           QColor(30, 40, 80)};
    const QColor bottoms[] = {QColor(20, 80, 130), QColor(8, 30, 70), QColor(14, 60, 50),
                              QColor(4, 8, 24)};
    Water(p, box, tops[look], bottoms[look]);
    if (look == 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 190, 130));
        p.drawEllipse(QRectF(-20, 30, 144, 24));
        p.setBrush(QColor(110, 110, 120));
        p.drawEllipse(QRectF(62, 22, 26, 14));
        p.setPen(QPen(QColor(40, 150, 60), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 34), QPointF(20, 10));
        p.drawLine(QPointF(28, 34), QPointF(34, 14));
    }
    DrawFishGlyph(p, QPointF(52, 18), 26, QColor(250, 130, 30));
}

}  // namespace

QImage PaintDialogPicture(int id) {
    switch (id) {
        case 130:
            return Render(64, 64, 2, [](QPainter& p) {
                Water(p, QRectF(0, 0, 128, 128), QColor(112, 204, 218), QColor(22, 96, 148));
                DrawFishGlyph(p, QPointF(64, 64), 96, QColor(250, 130, 30));
            });
        case 131:
            return Render(64, 64, 2, [](QPainter& p) {
                Water(p, QRectF(0, 0, 128, 128), QColor(112, 204, 218), QColor(22, 96, 148));
                const double bubbles[][3] = {{40, 100, 14}, {70, 70, 10}, {52, 40, 8},
                                             {84, 24, 6},   {92, 96, 9},  {30, 64, 5}};
                for (const auto& b : bubbles)
                    Bubble(p, QPointF(b[0], b[1]), b[2]);
            });
        case 132:
            return Render(64, 64, 2, [](QPainter& p) {
                Water(p, QRectF(0, 0, 128, 128), QColor(150, 225, 236), QColor(22, 96, 148));
                Rays(p, 128, 128);
            });
        case 142:
            return Render(60, 21, 4,
                          [](QPainter& p) { ButtonFace(p, QRectF(0, 0, 240, 84), true); });
        case 143:
            return Render(55, 28, 4,
                          [](QPainter& p) { ButtonFace(p, QRectF(0, 0, 220, 112), true); });
        case 144:
            return Render(2, 28, 4,
                          [](QPainter& p) { ButtonFace(p, QRectF(0, 0, 8, 112), false); });
        case 147:
            return Render(129, 28, 4, [](QPainter& p) {
                Water(p, QRectF(0, 0, 516, 112), QColor(60, 160, 196), QColor(16, 64, 110));
                for (int k = 0; k < 3; ++k) {
                    QPainterPath wave;
                    for (int x = 0; x <= 516; x += 6) {
                        const QPointF at(x, 30 + k * 26 + 8 * std::sin(x / 30.0 + k * 1.7));
                        x == 0 ? wave.moveTo(at) : wave.lineTo(at);
                    }
                    p.strokePath(wave, QPen(QColor(255, 255, 255, 110 - 30 * k), 6));
                }
            });
        case 148:
            return Render(9, 4, 8, [](QPainter& p) {
                p.fillRect(QRectF(0, 0, 72, 32), QColor(132, 214, 228));
                QPainterPath arrow(QPointF(4, 0));
                arrow.lineTo(68, 0);
                arrow.lineTo(36, 32);
                arrow.closeSubpath();
                p.fillPath(arrow, QColor(14, 62, 100));
            });
        case 159:
            return Render(13, 5, 8, [](QPainter& p) { TankLook(p, 0); });
        case 238:
            return Render(13, 5, 8, [](QPainter& p) { TankLook(p, 1); });
        case 156:
            return Render(13, 5, 8, [](QPainter& p) { TankLook(p, 2); });
        case 244:
            return Render(13, 5, 8, [](QPainter& p) { TankLook(p, 3); });
        default:
            return QImage();
    }
}

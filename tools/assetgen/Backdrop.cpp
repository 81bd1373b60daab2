#include "Backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "AssetRandom.h"

QImage PaintBackdrop() {
    QImage image(256, 256, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient water(QPointF(0, 0), QPointF(0, 256));
    water.setColorAt(0.0, QColor(96, 188, 206));
    water.setColorAt(0.55, QColor(34, 118, 160));
    water.setColorAt(1.0, QColor(16, 64, 110));
    p.fillRect(image.rect(), water);

    // Light rays from above.
    for (int i = 0; i < 5; ++i) {
        const double x = 30 + i * 52;
        QPainterPath ray(QPointF(x - 8, 0));
        ray.lineTo(x + 14, 0);
        ray.lineTo(x + 50, 256);
        ray.lineTo(x + 8, 256);
        ray.closeSubpath();
        QLinearGradient g(QPointF(0, 0), QPointF(0, 220));
        g.setColorAt(0.0, QColor(255, 255, 255, 46 - 6 * (i % 3)));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.fillPath(ray, g);
    }
    // Soft waves of light along the top.
    for (int k = 0; k < 4; ++k) {
        QPainterPath wave;
        for (int x = 0; x <= 256; x += 4) {
            const QPointF pt(x, 10 + k * 9 + 3 * std::sin(x / 18.0 + k));
            if (x == 0) {
                wave.moveTo(pt);
            } else {
                wave.lineTo(pt);
            }
        }
        p.strokePath(wave, QPen(QColor(255, 255, 255, 50 - 10 * k), 2));
    }
    AssetRandom random(133);
    for (int i = 0; i < 26; ++i) {
        const QPointF c(random.Range(10, 246), random.Range(40, 250));
        const double r = random.Range(2.0, 7.0);
        QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r);
        g.setColorAt(0.0, QColor(255, 255, 255, 90));
        g.setColorAt(0.7, QColor(255, 255, 255, 20));
        g.setColorAt(1.0, QColor(255, 255, 255, 110));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    return image;
}

// Rocks: noisy domes with a lit top, a speckled surface and a contact shadow on the sand.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Noise.h"
#include "Scenery.h"

QColor Hazed(const QColor& c, double haze) {
    const QColor water(18, 64, 102);
    auto mix = [&](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * haze)); };
    return QColor(mix(c.red(), water.red()), mix(c.green(), water.green()),
                  mix(c.blue(), water.blue()), c.alpha());
}

void DrawRock(QPainter& p, QPointF base, double w, double h, const QColor& colour, double haze,
              uint32_t seed) {
    QRadialGradient shadow(base + QPointF(0, 4), w * 0.62);
    shadow.setColorAt(0.0, QColor(6, 18, 30, static_cast<int>(150 * (1 - haze))));
    shadow.setColorAt(1.0, QColor(6, 18, 30, 0));
    p.save();
    p.translate(base + QPointF(0, 4));
    p.scale(1.0, 0.22);
    p.translate(-(base + QPointF(0, 4)));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(base + QPointF(0, 4), w * 0.62, w * 0.62);
    p.restore();

    // A lumpy dome: an ellipse with a noisy radius, its foot sunk a little into the sand.
    QPainterPath rock;
    const int n = 64;
    for (int i = 0; i <= n; ++i) {
        const double a = M_PI * (1.08 - 1.16 * double(i) / n);
        const double bump = 0.8 + 0.4 * FractalNoise(i * 0.2, 0.5, 3, seed);
        const QPointF pt(base.x() + (w / 2) * std::cos(a) * bump,
                         base.y() + 6 - (h + 6) * std::pow(std::max(0.0, std::sin(a)), 1.5) * bump);
        if (i == 0) {
            rock.moveTo(pt);
        } else {
            rock.lineTo(pt);
        }
    }
    rock.quadTo(QPointF(base.x(), base.y() + 16), rock.elementAt(0));
    rock.closeSubpath();

    QLinearGradient body(QPointF(0, base.y() - h), QPointF(0, base.y()));
    body.setColorAt(0.0, Hazed(colour.lighter(135), haze));
    body.setColorAt(0.55, Hazed(colour, haze));
    body.setColorAt(1.0, Hazed(colour.darker(190), haze));
    p.fillPath(rock, body);

    p.save();
    p.setClipPath(rock);
    // Light from the surface, upper right.
    QRadialGradient lit(QPointF(base.x() + w * 0.15, base.y() - h * 1.05), w * 0.55);
    lit.setColorAt(0.0, QColor(150, 210, 200, static_cast<int>(90 * (1 - haze))));
    lit.setColorAt(1.0, QColor(150, 210, 200, 0));
    p.fillRect(rock.boundingRect(), lit);
    // Pits and speckles.
    const QRectF box = rock.boundingRect();
    for (int y = static_cast<int>(box.top()); y < box.bottom(); y += 2) {
        for (int x = static_cast<int>(box.left()); x < box.right(); x += 2) {
            const double v = FractalNoise(x / 9.0, y / 7.0, 3, seed + 1);
            if (v < 0.36) {
                p.fillRect(QRectF(x, y, 2, 2),
                           QColor(10, 20, 30, static_cast<int>(140 * (0.36 - v) / 0.36)));
            } else if (v > 0.66) {
                p.fillRect(
                    QRectF(x, y, 2, 2),
                    QColor(170, 200, 190, static_cast<int>(110 * (v - 0.66) / 0.34 * (1 - haze))));
            }
        }
    }
    // Algae on the upper faces.
    for (int y = static_cast<int>(box.top()); y < box.top() + h * 0.6; y += 2) {
        for (int x = static_cast<int>(box.left()); x < box.right(); x += 2) {
            const double v = FractalNoise(x / 14.0, y / 10.0, 3, seed + 2);
            const double top = 1.0 - (y - box.top()) / (h * 0.6);
            const double a = SmoothStep(0.55, 0.7, v) * top;
            if (a > 0.01) {
                p.fillRect(QRectF(x, y, 2, 2),
                           Hazed(QColor(70, 140, 70, static_cast<int>(170 * a)), haze));
            }
        }
    }
    p.restore();
}

// Plants and corals: built from curves, tapering ribbons and recursive branches.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "AssetRandom.h"
#include "Noise.h"
#include "Scenery.h"

namespace {

QPointF WeedPoint(QPointF base, double height, double lean, double phase, double t) {
    return QPointF(base.x() + lean * height * t * t + 0.09 * height * std::sin(t * 3.4 + phase) * t,
                   base.y() - height * t);
}

void Branch(QPainter& p, QPointF from, double angle, double length, double width, int depth,
            const QColor& colour, double haze, AssetRandom& random) {
    const QPointF to(from.x() + length * std::sin(angle), from.y() - length * std::cos(angle));
    const double tip = depth <= 1 ? 1.0 : 0.0;
    QColor c = colour.darker(100 + 14 * depth);
    if (tip > 0) {
        c = colour.lighter(125);
    }
    p.setPen(QPen(Hazed(c, haze), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    if (depth <= 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(Hazed(colour.lighter(150), haze));
        p.drawEllipse(to, width * 0.7, width * 0.7);
        return;
    }
    const int n = depth > 2 ? 2 : (random.Unit() < 0.5 ? 2 : 3);
    for (int i = 0; i < n; ++i) {
        const double spread = (i - (n - 1) / 2.0) * random.Range(0.35, 0.6);
        Branch(p, to, angle * 0.6 + spread, length * random.Range(0.62, 0.8), width * 0.72,
               depth - 1, colour, haze, random);
    }
}

}  // namespace

void DrawRibbonWeed(QPainter& p, QPointF base, double height, double lean, double width,
                    const QColor& colour, double haze, double phase) {
    const int n = 40;
    QPainterPath path;
    QPointF left[n + 1], right[n + 1];
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        const QPointF c = WeedPoint(base, height, lean, phase, t);
        const QPointF next = WeedPoint(base, height, lean, phase, std::min(1.0, t + 0.01));
        const QPointF prev = WeedPoint(base, height, lean, phase, std::max(0.0, t - 0.01));
        QPointF dir = next - prev;
        const double len = std::hypot(dir.x(), dir.y());
        const QPointF normal(-dir.y() / len, dir.x() / len);
        const double w = width * (1.0 - std::pow(t, 2.2)) * (0.75 + 0.25 * std::sin(t * 9 + phase));
        left[i] = c + normal * (w / 2);
        right[i] = c - normal * (w / 2);
    }
    path.moveTo(left[0]);
    for (int i = 1; i <= n; ++i) {
        path.lineTo(left[i]);
    }
    for (int i = n; i >= 0; --i) {
        path.lineTo(right[i]);
    }
    path.closeSubpath();
    QLinearGradient g(base, base - QPointF(0, height));
    g.setColorAt(0.0, Hazed(colour.darker(170), haze));
    g.setColorAt(0.5, Hazed(colour, haze));
    g.setColorAt(1.0, Hazed(colour.lighter(140), haze));
    p.fillPath(path, g);
    // A lighter midrib catches the light.
    QPainterPath rib(WeedPoint(base, height, lean, phase, 0));
    for (int i = 1; i <= n - 4; ++i) {
        rib.lineTo(WeedPoint(base, height, lean, phase, double(i) / n));
    }
    QColor ribColour = Hazed(colour.lighter(160), haze);
    ribColour.setAlpha(80);
    p.strokePath(rib, QPen(ribColour, std::max(1.0, width * 0.12)));
}

void DrawLeafyStem(QPainter& p, QPointF base, double height, double lean, const QColor& colour,
                   double haze, double phase) {
    QPainterPath stem(base);
    const int n = 30;
    for (int i = 1; i <= n; ++i) {
        stem.lineTo(WeedPoint(base, height, lean, phase, double(i) / n));
    }
    p.strokePath(stem, QPen(Hazed(colour.darker(160), haze), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setPen(Qt::NoPen);
    for (int i = 2; i <= n; ++i) {
        const double t = double(i) / n;
        const QPointF c = WeedPoint(base, height, lean, phase, t);
        const double leaf = 13.0 * (1.15 - 0.6 * t);
        for (int side = -1; side <= 1; side += 2) {
            p.save();
            p.translate(c);
            p.rotate(side * (62 - 30 * t) + lean * 30);
            QLinearGradient g(QPointF(0, 0), QPointF(0, -leaf));
            g.setColorAt(0.0, Hazed(colour.darker(130), haze));
            g.setColorAt(1.0, Hazed(colour.lighter(130 + 40 * t), haze));
            p.setBrush(g);
            p.drawEllipse(QRectF(-leaf * 0.18, -leaf, leaf * 0.36, leaf));
            p.restore();
        }
    }
}

void DrawBranchCoral(QPainter& p, QPointF base, double size, const QColor& colour, double haze,
                     uint32_t seed) {
    AssetRandom random(seed);
    for (int i = 0; i < 5; ++i) {
        const double lean = (i - 2) * 0.32 + random.Range(-0.1, 0.1);
        Branch(p, base + QPointF((i - 2) * size * 0.06, 0), lean, size * random.Range(0.24, 0.32),
               size * 0.07, 5, colour, haze, random);
    }
}

void DrawSeaFan(QPainter& p, QPointF base, double size, const QColor& colour, double haze,
                uint32_t seed) {
    AssetRandom random(seed);
    p.save();
    p.setOpacity(0.9);
    for (int i = 0; i < 5; ++i) {
        Branch(p, base, (i - 2) * 0.28, size * 0.3, 3.2, 6, colour, haze, random);
    }
    p.restore();
}

void DrawBrainCoral(QPainter& p, QPointF base, double w, double h, const QColor& colour) {
    QPainterPath dome(QPointF(base.x() - w / 2, base.y()));
    dome.cubicTo(QPointF(base.x() - w / 2, base.y() - h * 1.3),
                 QPointF(base.x() + w / 2, base.y() - h * 1.3),
                 QPointF(base.x() + w / 2, base.y()));
    dome.closeSubpath();
    QRadialGradient g(QPointF(base.x() + w * 0.12, base.y() - h * 0.9), w * 0.7);
    g.setColorAt(0.0, colour.lighter(140));
    g.setColorAt(0.6, colour);
    g.setColorAt(1.0, colour.darker(220));
    p.fillPath(dome, g);
    p.save();
    p.setClipPath(dome);
    // Meandering grooves.
    for (int k = 0; k < 9; ++k) {
        QPainterPath groove;
        const double y0 = base.y() - h * (0.1 + 0.11 * k);
        for (int i = 0; i <= 40; ++i) {
            const double x = base.x() - w / 2 + w * i / 40.0;
            const QPointF pt(x, y0 + 3.0 * std::sin(x / 5.0 + k * 1.3));
            if (i == 0) {
                groove.moveTo(pt);
            } else {
                groove.lineTo(pt);
            }
        }
        p.strokePath(groove, QPen(colour.darker(170), 1.3));
    }
    p.restore();
}

void DrawStarfish(QPainter& p, QPointF centre, double r, double turn, const QColor& colour) {
    QPainterPath star;
    for (int i = 0; i <= 10; ++i) {
        const double a = turn + M_PI * i / 5.0;
        const double rad = (i % 2 == 0) ? r : r * 0.42;
        const QPointF pt(centre.x() + rad * std::sin(a), centre.y() - rad * std::cos(a) * 0.55);
        if (i == 0) {
            star.moveTo(pt);
        } else {
            star.lineTo(pt);
        }
    }
    p.save();
    p.setPen(QPen(colour.darker(150), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QRadialGradient g(centre, r);
    g.setColorAt(0.0, colour.lighter(125));
    g.setColorAt(1.0, colour.darker(115));
    p.setBrush(g);
    p.drawPath(star);
    p.restore();
}

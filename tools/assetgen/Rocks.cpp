// Rocks: lumpy domes lit per pixel from the surface, with bumps, pits, algae on the upper faces
// and a contact shadow on the sand.
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Scenery.h"

QColor Hazed(const QColor& c, double haze) {
    const QColor water(18, 64, 102);
    auto mix = [&](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * haze)); };
    return QColor(mix(c.red(), water.red()), mix(c.green(), water.green()),
                  mix(c.blue(), water.blue()), c.alpha());
}

namespace {

void ContactShadow(QPainter& p, QPointF base, double w, double haze) {
    const QPointF c = base + QPointF(0, 4);
    QRadialGradient shadow(c, w * 0.62);
    shadow.setColorAt(0.0, QColor(6, 18, 30, static_cast<int>(150 * (1 - haze))));
    shadow.setColorAt(1.0, QColor(6, 18, 30, 0));
    p.save();
    p.translate(c);
    p.scale(1.0, 0.22);
    p.translate(-c);
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c, w * 0.62, w * 0.62);
    p.restore();
}

QPainterPath RockOutline(QPointF base, double w, double h, uint32_t seed) {
    // An ellipse with a noisy radius, its foot sunk a little into the sand.
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
    return rock;
}

}  // namespace

void DrawRock(QPainter& p, QPointF base, double w, double h, const QColor& colour, double haze,
              uint32_t seed) {
    ContactShadow(p, base, w, haze);
    const QPainterPath outline = RockOutline(base, w, h, seed);
    const QRect box = outline.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);

    // Coverage of the outline, antialiased.
    QImage rock(box.size(), QImage::Format_ARGB32_Premultiplied);
    rock.fill(Qt::transparent);
    QPainter mask(&rock);
    mask.setRenderHint(QPainter::Antialiasing);
    mask.translate(-box.topLeft());
    mask.fillPath(outline, Qt::white);
    mask.end();

    const double lx = 0.35, ly = 0.75, lz = 0.56;  // light from the surface, a little to the right
    const double cx = base.x();
    auto height = [&](double x, double y) { return FractalNoise(x / 11.0, y / 8.0, 4, seed + 1); };
    for (int y = 0; y < rock.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(rock.scanLine(y));
        for (int x = 0; x < rock.width(); ++x) {
            const int a = qAlpha(row[x]);
            if (a == 0) {
                continue;
            }
            const double px = box.left() + x + 0.5, py = box.top() + y + 0.5;
            // Dome normal plus the slope of the bumps.
            double nx = std::clamp((px - cx) / (w * 0.5), -0.95, 0.95);
            double ny = std::clamp((base.y() - py) / h, 0.0, 1.0) * 0.9 - 0.1;
            const double hx = height(px + 1, py) - height(px - 1, py);
            const double hy = height(px, py - 1) - height(px, py + 1);
            nx += hx * 2.6;
            ny += hy * 2.6;
            double nz = std::sqrt(std::max(0.05, 1.0 - nx * nx - ny * ny));
            const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
            nx /= len;
            ny /= len;
            nz /= len;
            const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
            const double pits = SmoothStep(0.28, 0.42, height(px * 1.7, py * 1.7));
            const double foot = 0.55 + 0.45 * SmoothStep(0.0, 28.0, base.y() + 6 - py);
            const double shade = (0.42 + 0.8 * diffuse) * (0.7 + 0.3 * pits) * foot;
            double r = colour.red() * shade, g = colour.green() * shade, b = colour.blue() * shade;
            // Algae settles where the rock faces up.
            const double algae =
                SmoothStep(0.3, 0.8, ny) *
                SmoothStep(0.45, 0.7, FractalNoise(px / 26.0, py / 18.0, 3, seed + 2));
            r = Mix(r, 84 * shade, algae * 0.6);
            g = Mix(g, 124 * shade, algae * 0.6);
            b = Mix(b, 76 * shade, algae * 0.6);
            // A cool rim where the light from above grazes the top edge.
            const double rim = std::pow(std::max(0.0, ny), 3.0) * (1.0 - nz) * 60;
            const QColor lit =
                Hazed(QColor(std::clamp(int(r + rim * 0.6), 1, 255),
                             std::clamp(int(g + rim), 1, 255), std::clamp(int(b + rim), 1, 255)),
                      haze);
            row[x] = qPremultiply(qRgba(lit.red(), lit.green(), lit.blue(), a));
        }
    }
    p.drawImage(box.topLeft(), rock);
}

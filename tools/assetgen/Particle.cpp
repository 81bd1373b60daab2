#include "Particle.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"

QImage PaintParticle() {
    const int size = 64;
    const double c = size / 2.0, radius = 29.0;
    QImage image(size, size, QImage::Format_RGB32);
    // 4 x 4 samples per pixel keep the rim smooth.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    const double px = x + (sx + 0.5) / 4 - c, py = y + (sy + 0.5) / 4 - c;
                    const double d = std::hypot(px, py) / radius;
                    if (d > 1.0) {
                        continue;
                    }
                    // Glass is brightest where the view grazes it: the rim.
                    const double rim = std::pow(d, 6.0) * 0.85 + 0.10 +
                                       0.25 * std::exp(-std::pow((d - 0.93) / 0.05, 2.0));
                    const double edge = 1.0 - SmoothStep(0.96, 1.0, d);
                    const double hx = px / radius + 0.38, hy = py / radius + 0.38;
                    const double glint = std::exp(-(hx * hx + hy * hy) / 0.012);
                    const double low = std::exp(-(std::pow(px / radius - 0.3, 2.0) +
                                                  std::pow(py / radius - 0.45, 2.0)) /
                                                0.01) *
                                       0.35;
                    r += (rim * 170 + glint * 255 + low * 200) * edge;
                    g += (rim * 215 + glint * 255 + low * 230) * edge;
                    b += (rim * 235 + glint * 255 + low * 240) * edge;
                }
            }
            auto ch = [](double v) {
                return std::clamp(static_cast<int>(std::lround(v / 16)), 0, 255);
            };
            image.setPixel(x, y, qRgb(ch(r), ch(g), ch(b)));
        }
    }
    return image;
}

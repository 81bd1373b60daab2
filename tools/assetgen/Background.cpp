#include "Background.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Scenery.h"

namespace {

struct Rgb {
    double r, g, b;
};

Rgb MixRgb(const Rgb& a, const Rgb& b, double t) {
    return {Mix(a.r, b.r, t), Mix(a.g, b.g, t), Mix(a.b, b.b, t)};
}

Rgb Add(const Rgb& a, const Rgb& b, double k) {
    return {a.r + b.r * k, a.g + b.g * k, a.b + b.b * k};
}

const Rgb kSurface{64, 156, 178};
const Rgb kMidWater{24, 92, 136};
const Rgb kDeepWater{14, 50, 92};
const Rgb kRidgeFar{20, 70, 108};
const Rgb kRidgeNear{16, 54, 82};
const Rgb kShaft{110, 186, 190};
const Rgb kSandFar{92, 120, 126};
const Rgb kSandNear{206, 184, 138};
constexpr double kSunX = 640.0;

// The water above the floor: depth gradient, surface shimmer, light shafts and hazy far reefs.
Rgb Water(double x, double y, double sand) {
    const double t = y / sand;
    Rgb c = t < 0.45 ? MixRgb(kSurface, kMidWater, SmoothStep(0.0, 0.45, t))
                     : MixRgb(kMidWater, kDeepWater, SmoothStep(0.45, 1.0, t));
    const double dx = (x - kSunX) / 300.0;
    c = Add(c, Rgb{70, 120, 120}, 0.45 * std::exp(-dx * dx) * std::exp(-y / 170.0));

    // Shafts fan out from a sun above the surface; they fade with depth and flicker along their
    // length a little.
    const double angle = std::atan2(x - kSunX, y + 520.0);
    const double rays = FractalNoise(angle * 16.0, 0.5, 3, 11);
    const double shaft =
        SmoothStep(0.48, 0.78, rays) * (0.75 + 0.25 * ValueNoise(angle * 40.0, y / 90.0, 12));
    const double shaftFade = std::exp(-y / 260.0) * (1.0 - 0.6 * SmoothStep(sand - 160, sand, y));
    c = Add(c, kShaft, 0.33 * shaft * shaftFade);

    // The surface seen from below: bright wavy cells squeezed by perspective.
    if (y < 70) {
        const double band = 1.0 - y / 70.0;
        const double cells = Caustic(x / 46.0, y / 9.0 + 3.0, 5);
        c = Add(c, Rgb{170, 225, 230}, 0.4 * cells * band * band);
        c = Add(c, Rgb{60, 110, 110}, 0.35 * band * band * band);
    }

    // Two layers of distant reef, lost in the haze.
    const double ridgeFar = sand - 60 - 95 * FractalNoise(x / 230.0, 1.3, 4, 21);
    const double ridgeNear = sand - 18 - 55 * FractalNoise(x / 140.0, 4.1, 4, 22);
    const double far = SmoothStep(ridgeFar - 1.5, ridgeFar + 1.5, y);
    c = MixRgb(c, MixRgb(kRidgeFar, kDeepWater, 0.2), 0.55 * far);
    c = Add(c, Rgb{60, 110, 120}, 0.12 * far * std::exp(-(y - ridgeFar) / 6.0));
    const double nearR = SmoothStep(ridgeNear - 1.5, ridgeNear + 1.5, y);
    c = MixRgb(c, kRidgeNear, 0.6 * nearR);
    c = Add(c, Rgb{60, 110, 110}, 0.14 * nearR * std::exp(-(y - ridgeNear) / 5.0));
    return c;
}

// The sandy floor: ripples, caustics, and haze towards the horizon.
Rgb Sand(double x, double y, double sand) {
    const double d = Clamp01((y - sand) / (kSceneHeight - sand));  // 0 far .. 1 near
    const double depth = 6.0 / (0.12 + d);                         // perspective lines
    const double wobble = FractalNoise(x / 160.0, depth * 0.08, 3, 31);
    const double ripple = std::sin(2 * M_PI * (depth * 0.9 + 2.2 * wobble + x / 900.0));
    const double grain = FractalNoise(x / 3.0, y / 3.0, 2, 32);
    Rgb c = MixRgb(kSandFar, kSandNear, std::pow(d, 0.55));
    const double shade = 0.9 + 0.1 * ripple * SmoothStep(0.03, 0.35, d) + 0.08 * (grain - 0.5) +
                         0.06 * (FractalNoise(x / 90.0, depth * 0.2, 3, 33) - 0.5);
    c = {c.r * shade, c.g * shade, c.b * shade};
    const double caustic = Caustic((x - 512.0) / (28.0 + 80.0 * d), depth * 0.35, 34);
    c = Add(c, Rgb{255, 246, 214}, 0.17 * caustic * (0.3 + 0.7 * d));
    const double dx = (x - kSunX) / 420.0;
    c = Add(c, Rgb{40, 60, 50}, 0.5 * std::exp(-dx * dx) * d);
    // The edge of the floor melts into the water.
    c = MixRgb(c, kDeepWater, 0.55 * std::pow(1.0 - d, 4.0));
    return c;
}

QRgb Pack(const Rgb& c) {
    auto ch = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 1, 255); };
    return qRgb(ch(c.r), ch(c.g), ch(c.b));
}

}  // namespace

double SandLine(double x) {
    return 396.0 + 12.0 * std::sin(x / 170.0 + 0.6) +
           18.0 * (FractalNoise(x / 130.0, 9.0, 3, 41) - 0.5);
}

QImage PaintBackground() {
    QImage scene(kSceneWidth, kSceneHeight, QImage::Format_RGB32);
    for (int y = 0; y < kSceneHeight; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(scene.scanLine(y));
        for (int x = 0; x < kSceneWidth; ++x) {
            const double sand = SandLine(x);
            const double fy = y + 0.5, fx = x + 0.5;
            // Blend across the sand line so it is not a hard step.
            const double k = SmoothStep(sand - 2.0, sand + 2.0, fy);
            const Rgb water = Water(fx, fy, sand);
            const Rgb floor = Sand(fx, fy, sand);
            row[x] = Pack(MixRgb(water, floor, k));
        }
    }
    PaintScenery(scene);

    // Dark corners keep the eye on the tank.
    QPainter p(&scene);
    QRadialGradient vignette(QPointF(kSceneWidth / 2.0, kSceneHeight * 0.42), kSceneWidth * 0.72);
    vignette.setColorAt(0.55, QColor(4, 10, 24, 0));
    vignette.setColorAt(1.0, QColor(4, 10, 24, 120));
    p.fillRect(scene.rect(), vignette);
    p.end();

    QImage out = scene.scaled(1024, 512, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = row[x];
            row[x] = qRgb(std::max(qRed(c), 1), std::max(qGreen(c), 1), std::max(qBlue(c), 1));
        }
    }
    return out;
}

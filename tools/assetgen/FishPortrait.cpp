#include "FishPortrait.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "FishSpecies.h"
#include "Noise.h"
#include "SkinLayout.h"

namespace {

constexpr int kOversample = 4;

// Body outline: half the depth at t (0 nose .. 1 tail root), as a share of the full depth.
double HalfDepth(double t) {
    const double peduncle = 0.24 * SmoothStep(0.0, 0.5, t);
    return 0.5 * (peduncle + (1.0 - peduncle) * std::pow(std::sin(M_PI * std::pow(t, 0.8)), 0.62));
}

QRgb SampleSkin(const QImage& skin, double u, double v) {
    const double x = std::clamp(u * skin.width() - 0.5, 0.0, skin.width() - 1.001);
    const double y = std::clamp((1.0 - v) * skin.height() - 0.5, 0.0, skin.height() - 1.001);
    const int ix = static_cast<int>(x), iy = static_cast<int>(y);
    const double fx = x - ix, fy = y - iy;
    auto px = [&](int dx, int dy) {
        return skin.pixel(std::min(ix + dx, skin.width() - 1), iy + dy);
    };
    auto lerp = [&](int (*ch)(QRgb)) {
        return Mix(Mix(ch(px(0, 0)), ch(px(1, 0)), fx), Mix(ch(px(0, 1)), ch(px(1, 1)), fx), fy);
    };
    return qRgb(static_cast<int>(lerp(qRed)), static_cast<int>(lerp(qGreen)),
                static_cast<int>(lerp(qBlue)));
}

struct Frame {
    double x0, yc, length, depth;
    double Top(double t) const { return yc - depth * HalfDepth(t); }
    double Bottom(double t) const { return yc + depth * HalfDepth(t) * 0.92; }
    double X(double t) const { return x0 + length * t; }
};

QPainterPath TailPath(const Frame& f, TailKind kind, double size) {
    const double xr = f.X(1.0) - 2, yc = f.yc, h = f.depth * HalfDepth(1.0);
    const double T = size * f.length;
    QPainterPath p(QPointF(xr, yc - h));
    switch (kind) {
        case TailKind::Rounded:
            p.cubicTo(QPointF(xr + T * 0.5, yc - h - T * 0.55), QPointF(xr + T * 1.1, yc - T * 0.5),
                      QPointF(xr + T, yc));
            p.cubicTo(QPointF(xr + T * 1.1, yc + T * 0.5), QPointF(xr + T * 0.5, yc + h + T * 0.55),
                      QPointF(xr, yc + h));
            break;
        case TailKind::Forked:
            p.quadTo(QPointF(xr + T * 0.6, yc - h - T * 0.2), QPointF(xr + T, yc - T * 0.72));
            p.quadTo(QPointF(xr + T * 0.6, yc - T * 0.2), QPointF(xr + T * 0.42, yc));
            p.quadTo(QPointF(xr + T * 0.6, yc + T * 0.2), QPointF(xr + T, yc + T * 0.72));
            p.quadTo(QPointF(xr + T * 0.6, yc + h + T * 0.2), QPointF(xr, yc + h));
            break;
        case TailKind::Fan:
            p.quadTo(QPointF(xr + T * 0.4, yc - h - T * 0.4), QPointF(xr + T * 0.95, yc - T * 0.8));
            p.cubicTo(QPointF(xr + T * 1.15, yc - T * 0.3), QPointF(xr + T * 0.8, yc),
                      QPointF(xr + T * 0.85, yc + T * 0.05));
            p.cubicTo(QPointF(xr + T * 0.8, yc + T * 0.1), QPointF(xr + T * 1.15, yc + T * 0.4),
                      QPointF(xr + T * 0.95, yc + T * 0.8));
            p.quadTo(QPointF(xr + T * 0.4, yc + h + T * 0.4), QPointF(xr, yc + h));
            break;
        case TailKind::Lunate:
            p.quadTo(QPointF(xr + T * 0.5, yc - h - T * 0.3), QPointF(xr + T, yc - T * 0.78));
            p.quadTo(QPointF(xr + T * 0.55, yc), QPointF(xr + T, yc + T * 0.78));
            p.quadTo(QPointF(xr + T * 0.5, yc + h + T * 0.3), QPointF(xr, yc + h));
            break;
        case TailKind::Veil:
            p.cubicTo(QPointF(xr + T * 0.5, yc - h - T * 0.5), QPointF(xr + T * 1.0, yc - T * 0.6),
                      QPointF(xr + T * 1.02, yc - T * 0.1));
            p.cubicTo(QPointF(xr + T * 1.05, yc + T * 0.5), QPointF(xr + T * 0.9, yc + T * 0.9),
                      QPointF(xr + T * 0.55, yc + T * 1.0));
            p.cubicTo(QPointF(xr + T * 0.3, yc + T * 0.8), QPointF(xr + T * 0.1, yc + h + T * 0.2),
                      QPointF(xr, yc + h));
            break;
    }
    p.closeSubpath();
    return p;
}

// A fin rising from the body outline between t0 and t1 (up: dorsal, down: anal), its tip swept
// back.
QPainterPath FinPath(const Frame& f, double t0, double t1, double height, bool bUp) {
    auto edge = [&](double t) { return bUp ? f.Top(t) + 3 : f.Bottom(t) - 3; };
    const double dir = bUp ? -1.0 : 1.0;
    const double span = t1 - t0;
    QPainterPath p(QPointF(f.X(t0), edge(t0)));
    p.cubicTo(QPointF(f.X(t0 + span * 0.35), edge(t0) + dir * height * 0.6),
              QPointF(f.X(t1 - span * 0.1), edge(t1) + dir * height * 0.95),
              QPointF(f.X(t1 + 0.07), edge(t1) + dir * height));
    p.quadTo(QPointF(f.X(t1 + 0.02), edge(t1) + dir * height * 0.35), QPointF(f.X(t1), edge(t1)));
    for (int i = 10; i >= 0; --i) {
        const double t = t0 + (t1 - t0) * i / 10.0;
        p.lineTo(QPointF(f.X(t), edge(t)));
    }
    p.closeSubpath();
    return p;
}

// Fills a fin with the skin's fin region, its root end placed at the body.
void FillFin(QPainter& p, const QPainterPath& path, const QImage& finTexture, double angle) {
    const QRectF box = path.boundingRect();
    QImage tex = finTexture.transformed(QTransform().rotate(angle));
    QBrush brush(tex);
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / tex.width(), box.height() / tex.height());
    brush.setTransform(t);
    p.save();
    p.setOpacity(0.88);
    p.fillPath(path, brush);
    p.setOpacity(1.0);
    p.strokePath(path, QPen(QColor(20, 40, 60, 90), 2.0));
    p.restore();
}

void PaintBody(QImage& canvas, const Frame& f, const QImage& skin) {
    for (int y = 0; y < canvas.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        for (int x = static_cast<int>(f.x0); x < static_cast<int>(f.X(1.0)); ++x) {
            const double t = (x + 0.5 - f.x0) / f.length;
            if (t < 0 || t > 1) {
                continue;
            }
            const double top = f.Top(t), bottom = f.Bottom(t);
            if (y + 0.5 < top || y + 0.5 > bottom) {
                continue;
            }
            const double d = ((y + 0.5) - top) / (bottom - top) * 2.0 - 1.0;  // -1 back .. 1 belly
            const QRgb c = SampleSkin(skin, t * skin::kBodyEndU, 0.5 - d * 0.46);
            // Round the body: light from above, darker towards the outline.
            const double shade = 0.7 + 0.3 * std::sqrt(std::max(0.0, 1.0 - d * d)) - 0.08 * d;
            auto ch = [&](int v) { return std::clamp(static_cast<int>(v * shade + 6), 0, 255); };
            row[x] = qRgba(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)), 255);
        }
    }
}

QPainterPath BodyPath(const Frame& f) {
    QPainterPath p(QPointF(f.X(0), f.yc));
    for (int i = 1; i <= 60; ++i) {
        p.lineTo(QPointF(f.X(i / 60.0), f.Top(i / 60.0)));
    }
    for (int i = 60; i >= 0; --i) {
        p.lineTo(QPointF(f.X(i / 60.0), f.Bottom(i / 60.0)));
    }
    p.closeSubpath();
    return p;
}

}  // namespace

QImage PaintFishPortrait(int species, int width, int height) {
    const FishProfile& profile = Species(species).profile;
    const QImage skin = PaintSkin(species);
    const QImage tailTex = skin.copy(192, 0, 64, 64);
    const QImage finTex = skin.copy(192, 64, 64, 64);

    const int w = width * kOversample, h = height * kOversample;
    QImage canvas(w, h, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);

    Frame f;
    const double span = 1.0 + profile.tailSize * 0.95;
    const double tall = profile.height + 0.6 * (profile.dorsal + profile.anal) + 0.06;
    f.length = std::min(w * 0.9 / span, h * 0.9 / tall);
    f.depth = profile.height * f.length;
    f.x0 = (w - f.length * span) / 2.0;
    f.yc = h / 2.0 + (profile.dorsal - profile.anal) * f.length * 0.3;

    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    FillFin(p, TailPath(f, profile.tail, profile.tailSize), tailTex, 0);
    const double dorsalEnd = std::min(0.92, profile.dorsalFrom + 0.3 + profile.dorsal * 0.5);
    FillFin(p, FinPath(f, profile.dorsalFrom, dorsalEnd, profile.dorsal * f.length, true), finTex,
            -90);
    FillFin(p, FinPath(f, 0.55, 0.86, profile.anal * f.length, false), finTex, 90);
    p.end();

    PaintBody(canvas, f, skin);

    p.begin(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(BodyPath(f), QPen(QColor(20, 40, 60, 110), 2.5));
    // Pectoral fin over the flank, behind the gill.
    QPainterPath pectoral(QPointF(f.X(0.24), f.yc + f.depth * 0.08));
    pectoral.cubicTo(QPointF(f.X(0.32), f.yc - f.depth * 0.05),
                     QPointF(f.X(0.42), f.yc + f.depth * 0.1),
                     QPointF(f.X(0.40), f.yc + f.depth * 0.22));
    pectoral.quadTo(QPointF(f.X(0.3), f.yc + f.depth * 0.22),
                    QPointF(f.X(0.24), f.yc + f.depth * 0.08));
    p.setOpacity(0.75);
    FillFin(p, pectoral, finTex, 0);
    p.setOpacity(1.0);
    // Mouth.
    p.setPen(QPen(QColor(40, 30, 30, 160), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(f.X(0.0) + 2, f.yc + f.depth * 0.04),
               QPointF(f.X(0.04), f.yc + f.depth * 0.06));
    p.end();

    return canvas.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

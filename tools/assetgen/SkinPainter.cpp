#include "SkinPainter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "SkinLayout.h"

using skin::Px;

namespace {

constexpr double kBodyPx = skin::kBodyEndU * skin::kWidth;  // 192

QColor WithAlpha(QColor c, int a) {
    c.setAlpha(a);
    return c;
}

}  // namespace

SkinPainter::SkinPainter(QImage& image, uint64_t seed)
    : m_image(image), m_painter(&image), m_random(seed) {
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setClipRect(QRectF(0, 0, kBodyPx, skin::kHeight));
}

SkinPainter::~SkinPainter() {
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

void SkinPainter::BodyGradient(const QColor& back, const QColor& flank, const QColor& belly) {
    QLinearGradient g(Px(0, 1), Px(0, 0));
    g.setColorAt(0.0, back);
    g.setColorAt(0.5, flank);
    g.setColorAt(1.0, belly);
    m_painter.fillRect(QRectF(0, 0, kBodyPx, skin::kHeight), g);
}

void SkinPainter::BlendAlongU(double u0, double u1, const QColor& colour, bool bRear) {
    QLinearGradient g(Px(u0, 0.5), Px(u1, 0.5));
    g.setColorAt(0.0, WithAlpha(colour, bRear ? 0 : colour.alpha()));
    g.setColorAt(1.0, WithAlpha(colour, bRear ? colour.alpha() : 0));
    m_painter.fillRect(QRectF(0, 0, kBodyPx, skin::kHeight), g);
}

void SkinPainter::Band(double u, double halfWidth, const QColor& fill, const QColor& edge,
                       double edgeWidth, double bow, double v0, double v1) {
    const double top = v1 >= 1.0 ? 1.08 : v1;
    const double bottom = v0 <= 0.0 ? -0.08 : v0;
    const double mid = 0.5 * (top + bottom);
    QPainterPath path(Px(u - halfWidth, top));
    path.quadTo(Px(u - halfWidth + 2 * bow, mid), Px(u - halfWidth, bottom));
    path.lineTo(Px(u + halfWidth, bottom));
    path.quadTo(Px(u + halfWidth + 2 * bow, mid), Px(u + halfWidth, top));
    path.closeSubpath();
    if (edge.isValid() && edgeWidth > 0) {
        m_painter.strokePath(path,
                             QPen(edge, 2 * edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    m_painter.fillPath(path, fill);
}

void SkinPainter::Stripe(double v, double halfHeight, double u0, double u1, const QColor& colour,
                         double taper, double slope) {
    auto at = [&](double u, double dv) { return Px(u, v + dv + slope * (u - u0)); };
    QPainterPath path(at(u0, 0));
    path.quadTo(at(u0, halfHeight), at(u0 + taper, halfHeight));
    path.lineTo(at(u1 - taper, halfHeight));
    path.quadTo(at(u1, halfHeight), at(u1, 0));
    path.quadTo(at(u1, -halfHeight), at(u1 - taper, -halfHeight));
    path.lineTo(at(u0 + taper, -halfHeight));
    path.quadTo(at(u0, -halfHeight), at(u0, 0));
    path.closeSubpath();
    m_painter.fillPath(path, colour);
}

void SkinPainter::Spot(double u, double v, double r, const QColor& colour, double softness) {
    const QPointF c = Px(u, v);
    const double rx = r * skin::kWidth;
    const double ry = rx * skin::kRoundAspect;
    QRadialGradient g(QPointF(0, 0), rx);
    g.setColorAt(0.0, colour);
    g.setColorAt(std::max(0.0, 1.0 - softness), colour);
    g.setColorAt(1.0, WithAlpha(colour, 0));
    m_painter.save();
    m_painter.translate(c);
    m_painter.scale(1.0, ry / rx);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(g);
    m_painter.drawEllipse(QPointF(0, 0), rx, rx);
    m_painter.restore();
}

void SkinPainter::Blotch(double u, double v, double r, const QColor& colour, double roughness) {
    const QPointF c = Px(u, v);
    const double rx = r * skin::kWidth;
    const double ry = rx * skin::kRoundAspect;
    const uint32_t seed = static_cast<uint32_t>(m_random.Next());
    QPainterPath path;
    const int n = 56;
    for (int i = 0; i <= n; ++i) {
        const double a = 2 * M_PI * i / n;
        const double wobble =
            1.0 +
            roughness *
                (FractalNoise(3 + 1.6 * std::cos(a), 3 + 1.6 * std::sin(a), 3, seed) * 2 - 1) * 1.6;
        const QPointF p(c.x() + rx * wobble * std::cos(a), c.y() + ry * wobble * std::sin(a));
        if (i == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    path.closeSubpath();
    m_painter.fillPath(path, colour);
}

void SkinPainter::Scales(double strength, double sizePx, const QColor& sheen) {
    m_painter.end();
    const double w = sizePx, h = sizePx * 0.8;
    for (int y = 0; y < skin::kHeight; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        for (int x = 0; x < static_cast<int>(kBodyPx); ++x) {
            const double fy = y / h;
            const int rowIndex = static_cast<int>(std::floor(fy));
            const double shift = (rowIndex & 1) ? 0.5 : 0.0;
            const double lx = std::fmod(x / w + shift, 1.0);
            const double ly = fy - rowIndex;
            const double d = std::hypot(lx, (ly - 0.5) * 1.25);
            const double ring = std::exp(-std::pow((d - 0.82) / 0.13, 2.0));
            const double glow = Clamp01(1.0 - d) * (1.0 - ly * 0.6);
            // Scales fade out towards the nose: the head has none.
            const double fade = SmoothStep(0.14, 0.24, x / double(skin::kWidth)) * strength;
            const QRgb p = row[x];
            auto mixc = [&](int c, int s) {
                const double v = c * (1.0 - 0.28 * fade * ring) + (s - c) * 0.16 * fade * glow;
                return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
            };
            row[x] = qRgb(mixc(qRed(p), sheen.red()), mixc(qGreen(p), sheen.green()),
                          mixc(qBlue(p), sheen.blue()));
        }
    }
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setClipRect(QRectF(0, 0, kBodyPx, skin::kHeight));
}

void SkinPainter::Eye(const QColor& iris) {
    const QPointF c = Px(skin::kEyeU, skin::kEyeV);
    const double rx = 0.034 * skin::kWidth;
    m_painter.save();
    m_painter.translate(c);
    m_painter.scale(1.0, skin::kRoundAspect);
    m_painter.setPen(Qt::NoPen);
    // Socket shadow, light ring, iris, pupil, glint.
    QRadialGradient shadow(QPointF(0, 0), rx * 1.5);
    shadow.setColorAt(0.6, QColor(20, 20, 30, 110));
    shadow.setColorAt(1.0, QColor(20, 20, 30, 0));
    m_painter.setBrush(shadow);
    m_painter.drawEllipse(QPointF(0, 0), rx * 1.5, rx * 1.5);
    m_painter.setBrush(QColor(236, 232, 214));
    m_painter.drawEllipse(QPointF(0, 0), rx, rx);
    QRadialGradient ig(QPointF(0, 0), rx * 0.75);
    ig.setColorAt(0.0, iris.lighter(130));
    ig.setColorAt(1.0, iris.darker(140));
    m_painter.setBrush(ig);
    m_painter.drawEllipse(QPointF(0, 0), rx * 0.75, rx * 0.75);
    m_painter.setBrush(QColor(12, 12, 18));
    m_painter.drawEllipse(QPointF(0, 0), rx * 0.5, rx * 0.5);
    m_painter.setBrush(QColor(255, 255, 255, 230));
    m_painter.drawEllipse(QPointF(-rx * 0.3, -rx * 0.3), rx * 0.2, rx * 0.2);
    m_painter.restore();
}

void SkinPainter::Gill(const QColor& line) {
    QPainterPath path(Px(skin::kGillU - 0.01, 0.88));
    path.quadTo(Px(skin::kGillU + 0.03, 0.5), Px(skin::kGillU - 0.01, 0.12));
    QPainterPath lit = path.translated(2.0, 0.0);
    m_painter.strokePath(lit, QPen(QColor(255, 255, 255, 45), 1.6));
    m_painter.strokePath(path, QPen(line, 1.5));
}

void SkinPainter::TailFin(const FinStyle& style) {
    Fin(style, 0, skin::kHeight / 2.0);
}

void SkinPainter::OtherFins(const FinStyle& style) {
    Fin(style, skin::kHeight / 2.0, skin::kHeight);
}

void SkinPainter::Fin(const FinStyle& style, double y0, double y1) {
    m_painter.save();
    const QRectF area(kBodyPx, y0, skin::kWidth - kBodyPx, y1 - y0);
    m_painter.setClipRect(area);
    const double x0 = area.left(), x1 = area.right();
    const double len = x1 - x0;
    QLinearGradient g(QPointF(x0, 0), QPointF(x1, 0));
    g.setColorAt(0.0, style.root);
    g.setColorAt(1.0, style.edge);
    m_painter.fillRect(area, g);

    if (style.bar.isValid()) {
        for (int i = 0; i < style.nBars; ++i) {
            const double x = x0 + len * (i + 0.6) / (style.nBars + 0.4);
            m_painter.fillRect(QRectF(x - len * 0.06, y0, len * 0.12, y1 - y0), style.bar);
        }
    }
    if (style.spot.isValid()) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(style.spot);
        for (int i = 0; i < style.nSpots; ++i) {
            const QPointF c(m_random.Range(x0 + 6, x1 - 3), m_random.Range(y0 + 3, y1 - 3));
            const double r = m_random.Range(1.4, 2.8);
            m_painter.drawEllipse(c, r, r * 1.2);
        }
    }
    if (style.band.isValid()) {
        QLinearGradient bg(QPointF(x1 - len * style.bandWidth * 1.3, 0), QPointF(x1, 0));
        bg.setColorAt(0.0, WithAlpha(style.band, 0));
        bg.setColorAt(0.25, style.band);
        bg.setColorAt(1.0, style.band);
        m_painter.fillRect(area, bg);
    }
    // Rays fan out from the root; the membrane between them is paler, which reads as translucency.
    const int nRays = 11;
    const double yc = 0.5 * (y0 + y1);
    const double h = y1 - y0;
    for (int i = 0; i <= nRays; ++i) {
        const double yEdge = y0 + h * (i + 0.5) / (nRays + 1);
        const double yRoot = yc + (yEdge - yc) * 0.45;
        QPainterPath ray(QPointF(x0, yRoot));
        ray.quadTo(QPointF(x0 + len * 0.5, yc + (yEdge - yc) * 0.85), QPointF(x1 + 2, yEdge));
        m_painter.strokePath(ray.translated(0, h / (2.0 * (nRays + 1))),
                             QPen(QColor(255, 255, 255, 38), 1.8));
        m_painter.strokePath(ray, QPen(style.ray, 1.0));
    }
    // The root darkens slightly where the fin joins the body.
    QLinearGradient root(QPointF(x0, 0), QPointF(x0 + len * 0.25, 0));
    root.setColorAt(0.0, QColor(0, 0, 0, 60));
    root.setColorAt(1.0, QColor(0, 0, 0, 0));
    m_painter.fillRect(area, root);
    m_painter.restore();
}

void SkinPainter::Finish() {
    m_painter.end();
    for (int y = 0; y < skin::kHeight; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        for (int x = 0; x < skin::kWidth; ++x) {
            const int grain = static_cast<int>(m_random.Below(7)) - 3;
            const QRgb p = row[x];
            auto ch = [&](int c) { return std::clamp(c + grain, 4, 255); };
            row[x] = qRgb(ch(qRed(p)), ch(qGreen(p)), ch(qBlue(p)));
        }
    }
}

#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include "AssetRandom.h"

// How a fin region is coloured: a membrane from root to edge, rays, an edge band and spots.
struct FinStyle {
    QColor root;
    QColor edge;
    QColor ray;
    QColor band = QColor();  // invalid: no edge band
    double bandWidth = 0.0;  // share of the fin length
    QColor spot = QColor();  // invalid: no spots
    int nSpots = 0;
    QColor bar = QColor();  // invalid: no cross bars
    int nBars = 0;
};

// Drawing primitives on one 256 x 128 skin, in texture coordinates (see SkinLayout.h).
class SkinPainter {
public:
    SkinPainter(QImage& image, uint64_t seed);
    ~SkinPainter();

    QPainter& Painter() { return m_painter; }
    AssetRandom& Random() { return m_random; }

    // Back (v = 1), flank (v = 0.5) and belly (v = 0) colours across the whole body region.
    void BodyGradient(const QColor& back, const QColor& flank, const QColor& belly);
    // Lays a colour over the body that fades in from u0 to u1 (a front-to-rear colour change).
    void BlendAlongU(double u0, double u1, const QColor& colour, bool bRear);
    // A vertical band centred at u; bow > 0 bends its middle towards the tail.
    void Band(double u, double halfWidth, const QColor& fill, const QColor& edge, double edgeWidth,
              double bow = 0.0, double v0 = 0.0, double v1 = 1.0);
    // A horizontal stripe centred at v from u0 to u1, ends tapered over taper (u units).
    void Stripe(double v, double halfHeight, double u0, double u1, const QColor& colour,
                double taper = 0.04, double slope = 0.0);
    // A soft-edged round spot of radius r (u units), looking round on the fish.
    void Spot(double u, double v, double r, const QColor& colour, double softness = 0.3);
    // An irregular blotch: a noisy blob (koi patches, marbling).
    void Blotch(double u, double v, double r, const QColor& colour, double roughness);
    // Fine scale pattern over the body: strength 0..1.
    void Scales(double strength, double sizePx = 7.0, const QColor& sheen = QColor(255, 255, 255));
    void Eye(const QColor& iris);
    void Gill(const QColor& line);
    void TailFin(const FinStyle& style);
    void OtherFins(const FinStyle& style);
    // Grain and a soft darkening of the dorsal and belly seams; run last.
    void Finish();

private:
    void Fin(const FinStyle& style, double y0, double y1);

    QImage& m_image;
    QPainter m_painter;
    AssetRandom m_random;
};

// Skins of slots 10..19.
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>

#include "Noise.h"
#include "SkinLayout.h"
#include "SkinPainter.h"
#include "SpeciesPainters.h"

using skin::Px;

namespace {

// Paints a per-texel pattern over the body: the function gives colour and coverage (alpha).
void PatternOverlay(SkinPainter& s, const std::function<QColor(double u, double v)>& pattern) {
    QImage overlay(192, skin::kHeight, QImage::Format_ARGB32);
    for (int y = 0; y < overlay.height(); ++y) {
        for (int x = 0; x < overlay.width(); ++x) {
            overlay.setPixelColor(
                x, y, pattern((x + 0.5) / skin::kWidth, 1.0 - (y + 0.5) / skin::kHeight));
        }
    }
    s.Painter().drawImage(QPointF(0, 0), overlay);
}

// Wavy horizontal lines, the discus's markings.
void WavyLines(SkinPainter& s, const QColor& colour, int count, double width) {
    for (int i = 0; i < count; ++i) {
        const double v = 0.06 + 0.88 * i / (count - 1);
        QPainterPath path(Px(-0.02, v));
        for (int k = 1; k <= 40; ++k) {
            const double u = -0.02 + 0.80 * k / 40;
            const double dv = 0.025 * std::sin(u * 38 + i * 1.7) + 0.012 * std::sin(u * 91 + i);
            path.lineTo(Px(u, v + dv));
        }
        s.Painter().strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    }
}

}  // namespace

void PaintDiscus(SkinPainter& s) {
    s.BodyGradient(QColor(40, 130, 150), QColor(50, 170, 180), QColor(90, 190, 190));
    WavyLines(s, QColor(190, 80, 40), 11, 3.2);
    for (int i = 0; i < 9; ++i) {
        s.Band(0.05 + 0.085 * i, 0.012, QColor(40, 60, 60, 50), QColor(), 0);
    }
    s.Gill(QColor(30, 90, 100, 150));
    s.Eye(QColor(220, 40, 30));
    FinStyle fin{QColor(60, 160, 170), QColor(60, 130, 200), QColor(30, 90, 110, 150)};
    fin.band = QColor(80, 200, 235);
    fin.bandWidth = 0.15;
    s.TailFin(fin);
    s.OtherFins(fin);
    s.Painter().save();
    s.Painter().setClipRect(QRectF(192, 64, 64, 64));
    for (int i = 0; i < 5; ++i) {
        s.Painter().fillRect(QRectF(198 + 11 * i, 64, 3, 64), QColor(190, 80, 40, 160));
    }
    s.Painter().restore();
}

void PaintPlaty(SkinPainter& s) {
    s.BodyGradient(QColor(200, 40, 20), QColor(240, 64, 30), QColor(252, 150, 90));
    s.Scales(0.45, 6.0, QColor(255, 200, 150));
    s.Gill(QColor(150, 30, 20, 150));
    s.Eye(QColor(60, 40, 30));
    FinStyle fin{QColor(60, 30, 30), QColor(26, 24, 30), QColor(90, 60, 60, 150)};
    s.TailFin(fin);
    s.OtherFins(fin);
}

void PaintBlueTang(SkinPainter& s) {
    s.BodyGradient(QColor(20, 60, 190), QColor(26, 90, 226), QColor(60, 130, 235));
    const QColor black(18, 20, 40);
    // The black "palette": a sweep from the eye along the back to the tail, with a loop below.
    QPainterPath palette(Px(0.06, 0.66));
    palette.cubicTo(Px(0.20, 0.92), Px(0.50, 0.92), Px(0.76, 0.62));
    palette.lineTo(Px(0.76, 0.48));
    palette.cubicTo(Px(0.60, 0.62), Px(0.62, 0.30), Px(0.42, 0.36));
    palette.cubicTo(Px(0.26, 0.40), Px(0.26, 0.62), Px(0.06, 0.58));
    palette.closeSubpath();
    s.Painter().fillPath(palette, black);
    QPainterPath hole(Px(0.30, 0.60));
    hole.cubicTo(Px(0.36, 0.72), Px(0.54, 0.74), Px(0.58, 0.58));
    hole.cubicTo(Px(0.56, 0.46), Px(0.38, 0.46), Px(0.30, 0.60));
    s.Painter().fillPath(hole, QColor(30, 100, 230));
    s.Gill(QColor(10, 40, 120, 160));
    s.Eye(QColor(30, 40, 90));
    FinStyle tail{QColor(255, 214, 10), QColor(255, 226, 50), QColor(210, 160, 10, 150)};
    tail.band = black;
    tail.bandWidth = 0.12;
    s.TailFin(tail);
    FinStyle fins{QColor(30, 80, 210), QColor(40, 110, 240), QColor(20, 40, 120, 150)};
    fins.band = black;
    fins.bandWidth = 0.18;
    s.OtherFins(fins);
}

void PaintYellowTang(SkinPainter& s) {
    s.BodyGradient(QColor(244, 200, 0), QColor(255, 222, 20), QColor(255, 234, 90));
    PatternOverlay(s, [](double u, double v) {
        const double n = FractalNoise(u * 30, v * 12, 3, 13);
        return QColor(255, 255, 200, static_cast<int>(40 * SmoothStep(0.55, 0.8, n)));
    });
    s.Spot(0.715, 0.50, 0.016, QColor(255, 255, 250), 0.2);  // the white tail spine
    s.Gill(QColor(200, 150, 0, 150));
    s.Eye(QColor(40, 40, 30));
    FinStyle fin{QColor(250, 206, 0), QColor(255, 230, 60), QColor(210, 160, 0, 130)};
    s.TailFin(fin);
    s.OtherFins(fin);
}

void PaintMandarin(SkinPainter& s) {
    s.BodyGradient(QColor(30, 70, 180), QColor(40, 100, 210), QColor(50, 140, 200));
    // Orange maze lines with green edges over blue.
    PatternOverlay(s, [](double u, double v) {
        const double n = FractalNoise(u * 13, v * 5, 2, 21);
        const double line = 1.0 - SmoothStep(0.035, 0.07, std::abs(n - 0.5));
        const double edge = 1.0 - SmoothStep(0.07, 0.11, std::abs(n - 0.5));
        if (line > 0.01) {
            return QColor(246, 126, 30, static_cast<int>(255 * line));
        }
        return QColor(60, 200, 120, static_cast<int>(180 * edge));
    });
    s.Eye(QColor(230, 120, 30));
    FinStyle tail{QColor(240, 120, 30), QColor(40, 90, 220), QColor(40, 60, 160, 150)};
    tail.spot = QColor(60, 170, 240);
    tail.nSpots = 10;
    s.TailFin(tail);
    FinStyle fins{QColor(40, 90, 210), QColor(240, 130, 40), QColor(30, 50, 140, 150)};
    fins.band = QColor(60, 190, 240);
    fins.bandWidth = 0.15;
    s.OtherFins(fins);
}

void PaintKoi(SkinPainter& s) {
    s.BodyGradient(QColor(236, 232, 226), QColor(246, 244, 238), QColor(250, 250, 246));
    const QColor red(230, 66, 22);
    s.Blotch(0.10, 0.82, 0.07, red, 0.35);
    s.Blotch(0.34, 0.78, 0.10, red, 0.45);
    s.Blotch(0.58, 0.66, 0.08, red, 0.45);
    s.Blotch(0.46, 0.48, 0.05, QColor(240, 100, 40), 0.5);
    const QColor sumi(30, 30, 36);
    s.Blotch(0.26, 0.60, 0.025, sumi, 0.5);
    s.Blotch(0.50, 0.86, 0.03, sumi, 0.5);
    s.Blotch(0.67, 0.42, 0.02, sumi, 0.5);
    s.Scales(0.8, 8.0, QColor(255, 250, 230));
    s.Gill(QColor(170, 150, 140, 140));
    s.Eye(QColor(50, 50, 60));
    FinStyle fin{QColor(244, 236, 226), QColor(250, 246, 240), QColor(200, 170, 150, 140)};
    fin.spot = QColor(240, 110, 50, 180);
    fin.nSpots = 4;
    s.TailFin(fin);
    s.OtherFins(fin);
}

void PaintRainbowfish(SkinPainter& s) {
    s.BodyGradient(QColor(50, 60, 140), QColor(80, 100, 190), QColor(170, 180, 210));
    s.BlendAlongU(0.32, 0.52, QColor(250, 140, 30), true);
    s.Scales(0.45, 6.0, QColor(220, 240, 255));
    for (int i = 0; i < 4; ++i) {
        s.Band(0.30 + 0.06 * i, 0.008, QColor(40, 40, 80, 120), QColor(), 0, 0, 0.35, 0.75);
    }
    s.Gill(QColor(40, 50, 110, 150));
    s.Eye(QColor(200, 200, 210));
    FinStyle fin{QColor(240, 110, 30), QColor(230, 60, 30), QColor(150, 50, 20, 150)};
    fin.band = QColor(40, 30, 40, 220);
    fin.bandWidth = 0.12;
    s.TailFin(fin);
    s.OtherFins(fin);
}

void PaintBetta(SkinPainter& s) {
    s.BodyGradient(QColor(120, 14, 34), QColor(170, 22, 44), QColor(190, 50, 60));
    // Blue iridescence drifting over the red, strongest along the flank.
    PatternOverlay(s, [](double u, double v) {
        const double n = FractalNoise(u * 9, v * 3.5, 3, 53);
        const double a =
            SmoothStep(0.4, 0.72, n) * SmoothStep(0.1, 0.3, u) * (1.0 - std::abs(v - 0.5) * 1.2);
        return QColor(70, 110, 240, static_cast<int>(std::clamp(a, 0.0, 1.0) * 120));
    });
    s.Scales(1.0, 6.0, QColor(120, 170, 255));
    s.Gill(QColor(90, 10, 30, 160));
    s.Eye(QColor(60, 20, 30));
    FinStyle fin{QColor(160, 18, 40), QColor(70, 50, 180), QColor(90, 10, 40, 170)};
    fin.band = QColor(90, 130, 240);
    fin.bandWidth = 0.12;
    s.TailFin(fin);
    s.OtherFins(fin);
}

void PaintBoxfish(SkinPainter& s) {
    s.BodyGradient(QColor(236, 196, 20), QColor(255, 218, 40), QColor(255, 232, 110));
    const QColor black(24, 22, 26);
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 7; ++col) {
            const double u = 0.06 + 0.1 * col + (row % 2) * 0.05;
            const double v = 0.1 + 0.16 * row;
            if (std::abs(u - skin::kEyeU) < 0.05 && std::abs(v - skin::kEyeV) < 0.12) {
                continue;
            }
            s.Spot(u, v, 0.014, black, 0.25);
        }
    }
    s.Eye(QColor(60, 60, 40));
    FinStyle fin{QColor(250, 214, 60), QColor(255, 236, 140), QColor(200, 160, 30, 130)};
    fin.spot = black;
    fin.nSpots = 3;
    s.TailFin(fin);
    fin.spot = QColor();
    s.OtherFins(fin);
}

void PaintOscar(SkinPainter& s) {
    s.BodyGradient(QColor(50, 50, 44), QColor(70, 68, 58), QColor(110, 100, 80));
    PatternOverlay(s, [](double u, double v) {
        const double n = FractalNoise(u * 16, v * 7, 4, 37);
        const double a = SmoothStep(0.52, 0.6, n);
        return QColor(232, 104, 34, static_cast<int>(235 * a));
    });
    // The ringed eyespot at the tail root.
    s.Spot(0.70, 0.56, 0.05, QColor(246, 120, 30), 0.15);
    s.Spot(0.70, 0.56, 0.032, QColor(30, 28, 26), 0.1);
    s.Scales(0.5, 7.0, QColor(255, 190, 120));
    s.Gill(QColor(30, 30, 26, 160));
    s.Eye(QColor(230, 90, 30));
    FinStyle fin{QColor(60, 56, 48), QColor(90, 70, 50), QColor(30, 28, 24, 150)};
    fin.band = QColor(200, 90, 30, 160);
    fin.bandWidth = 0.1;
    s.TailFin(fin);
    s.OtherFins(fin);
}

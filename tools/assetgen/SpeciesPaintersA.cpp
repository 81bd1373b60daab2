// Skins of slots 0..9.
#include <QPainterPath>

#include "SkinLayout.h"
#include "SkinPainter.h"
#include "SpeciesPainters.h"

using skin::Px;

void PaintClownfish(SkinPainter& s) {
    s.BodyGradient(QColor(226, 86, 8), QColor(250, 122, 18), QColor(255, 160, 70));
    s.Scales(0.25);
    const QColor white(250, 250, 244), black(24, 20, 22);
    s.Band(0.175, 0.034, white, black, 2.2, 0.028);
    s.Band(0.405, 0.048, white, black, 2.2, -0.03);
    s.Band(0.690, 0.020, white, black, 2.0, 0.0);
    s.Gill(QColor(150, 60, 10, 150));
    s.Eye(QColor(200, 90, 20));
    FinStyle fin{QColor(245, 110, 15), QColor(250, 130, 30), QColor(190, 70, 10, 150)};
    fin.band = black;
    fin.bandWidth = 0.22;
    s.TailFin(fin);
    s.OtherFins(fin);
    // A thin white margin outside the black edge.
    s.Painter().setClipping(false);
    s.Painter().fillRect(QRectF(252, 0, 4, 128), QColor(245, 245, 240, 200));
}

void PaintNeonTetra(SkinPainter& s) {
    s.BodyGradient(QColor(96, 92, 74), QColor(150, 150, 140), QColor(226, 228, 232));
    s.Scales(0.15);
    // Red rear belly, then the glowing blue lateral stripe above it.
    s.Stripe(0.30, 0.17, 0.36, 0.80, QColor(224, 28, 44), 0.06, 0.15);
    s.Stripe(0.60, 0.10, 0.06, 0.76, QColor(40, 170, 255, 90), 0.05);
    s.Stripe(0.60, 0.065, 0.08, 0.74, QColor(60, 200, 255), 0.05);
    s.Stripe(0.615, 0.02, 0.12, 0.70, QColor(170, 240, 255, 160), 0.05);
    s.Gill(QColor(90, 90, 90, 120));
    s.Eye(QColor(60, 150, 200));
    FinStyle fin{QColor(190, 196, 205), QColor(226, 230, 236), QColor(150, 155, 165, 150)};
    FinStyle tail = fin;
    tail.root = QColor(200, 80, 90);
    s.TailFin(tail);
    s.OtherFins(fin);
}

void PaintTigerBarb(SkinPainter& s) {
    s.BodyGradient(QColor(196, 150, 70), QColor(238, 190, 100), QColor(252, 232, 190));
    s.Scales(0.35);
    const QColor black(30, 28, 30);
    s.Band(0.09, 0.022, black, QColor(), 0);
    s.Band(0.28, 0.034, black, QColor(), 0, 0.01);
    s.Band(0.49, 0.038, black, QColor(), 0, 0.0, 0.0, 1.0);
    s.Band(0.71, 0.022, black, QColor(), 0);
    s.Spot(0.015, 0.5, 0.03, QColor(230, 60, 40, 200));  // the red snout
    s.Gill(QColor(150, 100, 40, 140));
    s.Eye(QColor(220, 120, 40));
    FinStyle tail{QColor(245, 200, 150), QColor(240, 90, 50), QColor(200, 80, 40, 140)};
    tail.band = QColor(230, 50, 35);
    tail.bandWidth = 0.3;
    s.TailFin(tail);
    FinStyle fins{QColor(40, 30, 30), QColor(235, 70, 40), QColor(120, 40, 30, 140)};
    s.OtherFins(fins);
}

void PaintRoyalGramma(SkinPainter& s) {
    s.BodyGradient(QColor(120, 30, 150), QColor(156, 48, 182), QColor(186, 90, 200));
    s.BlendAlongU(0.34, 0.46, QColor(255, 206, 30), true);
    // Dotted boundary where purple meets yellow.
    for (int i = 0; i < 10; ++i) {
        s.Spot(0.39 + 0.03 * ((i * 7) % 3) - 0.03, 0.05 + 0.1 * i, 0.014,
               QColor(200, 80, 190, 200));
    }
    s.Scales(0.3);
    s.Stripe(0.66, 0.018, 0.0, 0.13, QColor(30, 20, 40), 0.02, 0.08);  // the eye line
    s.Gill(QColor(90, 20, 110, 150));
    s.Eye(QColor(240, 200, 40));
    FinStyle tail{QColor(255, 206, 30), QColor(255, 226, 90), QColor(200, 150, 20, 140)};
    s.TailFin(tail);
    FinStyle fins{QColor(150, 44, 176), QColor(255, 210, 50), QColor(100, 30, 110, 140)};
    fins.spot = QColor(30, 20, 50);
    fins.nSpots = 2;
    s.OtherFins(fins);
}

void PaintGoldfish(SkinPainter& s) {
    s.BodyGradient(QColor(232, 100, 8), QColor(255, 146, 24), QColor(255, 206, 120));
    s.Stripe(0.62, 0.1, 0.05, 0.75, QColor(255, 190, 60, 90), 0.1);
    s.Scales(0.9, 8.0, QColor(255, 240, 170));
    s.Gill(QColor(190, 80, 10, 160));
    s.Eye(QColor(60, 50, 30));
    FinStyle fin{QColor(250, 140, 40), QColor(255, 210, 150), QColor(220, 100, 20, 160)};
    s.TailFin(fin);
    s.OtherFins(fin);
}

void PaintGuppy(SkinPainter& s) {
    s.BodyGradient(QColor(120, 128, 104), QColor(176, 182, 164), QColor(224, 226, 214));
    s.Scales(0.35, 6.0);
    s.Blotch(0.45, 0.55, 0.06, QColor(40, 160, 190, 200), 0.4);
    s.Blotch(0.60, 0.45, 0.05, QColor(255, 120, 30, 220), 0.4);
    s.Spot(0.36, 0.40, 0.022, QColor(30, 30, 40, 220));
    s.Spot(0.66, 0.62, 0.018, QColor(30, 30, 40, 220));
    s.Blotch(0.70, 0.50, 0.04, QColor(80, 120, 230, 200), 0.5);
    s.Gill(QColor(100, 100, 90, 140));
    s.Eye(QColor(120, 160, 80));
    FinStyle tail{QColor(255, 110, 30), QColor(60, 110, 235), QColor(160, 60, 30, 150)};
    tail.spot = QColor(30, 30, 50);
    tail.nSpots = 7;
    s.TailFin(tail);
    FinStyle fins{QColor(250, 150, 60), QColor(90, 170, 230), QColor(150, 90, 40, 140)};
    s.OtherFins(fins);
}

void PaintHarlequin(SkinPainter& s) {
    s.BodyGradient(QColor(200, 110, 90), QColor(240, 150, 120), QColor(250, 210, 190));
    s.Scales(0.35, 6.0);
    // The black wedge: broad under the dorsal fin, narrowing to the tail root.
    QPainterPath wedge(Px(0.40, 0.82));
    wedge.quadTo(Px(0.37, 0.45), Px(0.43, 0.24));
    wedge.lineTo(Px(0.76, 0.46));
    wedge.lineTo(Px(0.76, 0.58));
    wedge.closeSubpath();
    s.Painter().fillPath(wedge, QColor(28, 24, 36));
    s.Gill(QColor(150, 80, 60, 140));
    s.Eye(QColor(230, 140, 100));
    FinStyle fin{QColor(240, 140, 120), QColor(250, 200, 190), QColor(200, 90, 70, 140)};
    fin.band = QColor(250, 120, 70, 150);
    fin.bandWidth = 0.2;
    s.TailFin(fin);
    s.OtherFins(fin);
}

void PaintAngelfish(SkinPainter& s) {
    s.BodyGradient(QColor(176, 170, 140), QColor(222, 222, 214), QColor(240, 240, 236));
    s.Scales(0.2, 6.0);
    const QColor bar(40, 36, 40, 235);
    s.Band(0.09, 0.016, bar, QColor(), 0);
    s.Band(0.34, 0.038, bar, QColor(), 0, 0.02);
    s.Band(0.60, 0.026, QColor(50, 46, 50, 200), QColor(), 0);
    s.Gill(QColor(120, 120, 110, 140));
    s.Eye(QColor(190, 40, 30));
    FinStyle fin{QColor(190, 190, 180), QColor(236, 236, 236), QColor(110, 110, 110, 150)};
    fin.bar = QColor(40, 36, 40, 200);
    fin.nBars = 2;
    fin.band = QColor(250, 250, 250);
    fin.bandWidth = 0.12;
    s.TailFin(fin);
    s.OtherFins(fin);
}

void PaintZebraDanio(SkinPainter& s) {
    s.BodyGradient(QColor(150, 140, 100), QColor(214, 204, 160), QColor(240, 236, 220));
    const QColor blue(44, 56, 130);
    for (int i = 0; i < 4; ++i) {
        s.Stripe(0.26 + 0.16 * i, 0.045, 0.18, 0.80, blue, 0.05);
    }
    s.Scales(0.15, 5.0);
    s.Gill(QColor(120, 110, 80, 140));
    s.Eye(QColor(200, 180, 100));
    FinStyle tail{QColor(220, 210, 180), QColor(235, 230, 210), QColor(150, 140, 120, 120)};
    tail.bar = QColor();
    s.TailFin(tail);
    // Continue the stripes into the tail fin.
    s.Painter().save();
    s.Painter().setClipRect(QRectF(192, 0, 64, 64));
    for (int i = 0; i < 4; ++i) {
        const double y = 10 + 14.5 * i;
        s.Painter().fillRect(QRectF(192, y - 3, 64, 6), blue);
    }
    s.Painter().restore();
    FinStyle fins{QColor(214, 204, 170), QColor(236, 232, 220), QColor(150, 140, 120, 120)};
    fins.bar = blue;
    fins.nBars = 2;
    s.OtherFins(fins);
}

void PaintDwarfGourami(SkinPainter& s) {
    s.BodyGradient(QColor(210, 70, 50), QColor(232, 90, 60), QColor(80, 150, 210));
    const QColor blue(70, 176, 226);
    for (int i = 0; i < 8; ++i) {
        const double u = 0.14 + 0.085 * i;
        s.Band(u, 0.017, blue, QColor(), 0, 0.03);
    }
    s.Scales(0.25, 6.0);
    s.Gill(QColor(60, 120, 180, 160));
    s.Eye(QColor(210, 70, 50));
    FinStyle fin{QColor(220, 70, 50), QColor(240, 120, 80), QColor(160, 40, 30, 150)};
    fin.spot = QColor(90, 190, 240);
    fin.nSpots = 16;
    fin.band = QColor(210, 50, 40);
    fin.bandWidth = 0.15;
    s.TailFin(fin);
    s.OtherFins(fin);
}

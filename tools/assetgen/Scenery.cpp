#include "Scenery.h"

#include <QRadialGradient>

#include "AssetRandom.h"
#include "Background.h"

namespace {

QPointF OnSand(double x, double below) {
    return QPointF(x, SandLine(x) + below);
}

void PaintFarLayer(QPainter& p) {
    const QColor weed(60, 130, 70);
    for (int i = 0; i < 6; ++i) {
        DrawRibbonWeed(p, OnSand(110 + i * 9, 8), 120 + 15 * (i % 3), 0.05 * (i - 2), 7, weed, 0.62,
                       i * 1.1);
        DrawRibbonWeed(p, OnSand(470 + i * 8, 6), 90 + 12 * (i % 2), 0.06 * (i - 3), 6, weed, 0.66,
                       i * 0.9);
    }
    DrawBranchCoral(p, OnSand(620, 6), 70, QColor(200, 110, 120), 0.6, 7);
    DrawSeaFan(p, OnSand(380, 6), 110, QColor(140, 80, 160), 0.6, 8);
}

void PaintLeftGroup(QPainter& p) {
    DrawSeaFan(p, OnSand(250, 30), 210, QColor(170, 70, 150), 0.25, 11);
    for (int i = 0; i < 9; ++i) {
        DrawRibbonWeed(p, OnSand(170 + i * 11, 40), 250 + 40 * ((i * 5) % 3), 0.10 - 0.04 * i, 12,
                       QColor(70, 150, 60), 0.12, i * 0.8);
    }
    DrawRock(p, OnSand(50, 70), 260, 230, QColor(96, 102, 100), 0.1, 101);
    DrawRock(p, OnSand(200, 120), 320, 180, QColor(110, 108, 100), 0.0, 102);
    DrawRock(p, OnSand(340, 150), 190, 90, QColor(104, 100, 96), 0.0, 103);
    DrawBranchCoral(p, OnSand(120, -20), 120, QColor(246, 120, 96), 0.05, 104);
    DrawLeafyStem(p, OnSand(330, 112), 150, -0.05, QColor(200, 70, 60), 0.0, 0.5);
    DrawLeafyStem(p, OnSand(345, 116), 120, 0.08, QColor(210, 90, 60), 0.0, 2.0);
}

void PaintRightGroup(QPainter& p) {
    for (int i = 0; i < 7; ++i) {
        DrawRibbonWeed(p, OnSand(930 + i * 12, 30), 230 + 30 * (i % 3), -0.12 + 0.03 * i, 11,
                       QColor(90, 160, 70), 0.15, i * 1.3);
    }
    DrawRock(p, OnSand(870, 100), 300, 170, QColor(100, 98, 94), 0.05, 201);
    DrawRock(p, OnSand(1000, 80), 220, 220, QColor(92, 96, 98), 0.05, 202);
    DrawBranchCoral(p, OnSand(860, -40), 130, QColor(250, 160, 80), 0.0, 203);
    DrawRock(p, OnSand(740, 140), 140, 64, QColor(110, 106, 98), 0.0, 204);
    DrawLeafyStem(p, OnSand(760, 92), 170, 0.04, QColor(90, 170, 80), 0.0, 1.2);
    DrawLeafyStem(p, OnSand(775, 96), 140, -0.06, QColor(110, 180, 80), 0.0, 3.0);
}

void PaintFloorDetails(QPainter& p) {
    DrawRock(p, OnSand(540, 60), 90, 40, QColor(112, 108, 100), 0.1, 301);
    DrawBrainCoral(p, OnSand(610, 120), 90, 46, QColor(200, 170, 90));
    DrawStarfish(p, OnSand(470, 150), 17, 0.3, QColor(236, 110, 60));
    AssetRandom random(77);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const double x = random.Range(420, 700);
        const double below = random.Range(60, kSceneHeight - SandLine(x) - 4);
        const QPointF c = OnSand(x, below);
        const double r = random.Range(1.5, 4.5) * (0.5 + below / 200.0);
        const int tone = 120 + random.Below(90);
        p.setBrush(QColor(10, 20, 30, 70));
        p.drawEllipse(c + QPointF(r * 0.3, r * 0.4), r, r * 0.55);
        p.setBrush(QColor(tone, tone - 8, tone - 24));
        p.drawEllipse(c, r, r * 0.6);
    }
}

// Drifting specks catch the light.
void PaintMarineSnow(QPainter& p) {
    AssetRandom random(91);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 180; ++i) {
        const QPointF c(random.Range(0, kSceneWidth), random.Range(10, 400));
        const double r = random.Range(0.6, 1.8);
        QRadialGradient g(c, r * 2);
        g.setColorAt(0.0, QColor(210, 240, 235, 40 + random.Below(80)));
        g.setColorAt(1.0, QColor(210, 240, 235, 0));
        p.setBrush(g);
        p.drawEllipse(c, r * 2, r * 2);
    }
}

}  // namespace

void PaintScenery(QImage& scene) {
    QPainter p(&scene);
    p.setRenderHint(QPainter::Antialiasing);
    PaintFarLayer(p);
    PaintLeftGroup(p);
    PaintRightGroup(p);
    PaintFloorDetails(p);
    PaintMarineSnow(p);
}

#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

// Rocks, plants and corals over the painted water and sand (design space 1024 x 576).
void PaintScenery(QImage& scene);

// Shared by the scenery pieces: colours pulled towards the water's haze by distance (0 near, 1
// lost in the water).
QColor Hazed(const QColor& c, double haze);

void DrawRock(QPainter& p, QPointF base, double w, double h, const QColor& colour, double haze,
              uint32_t seed);
void DrawRibbonWeed(QPainter& p, QPointF base, double height, double lean, double width,
                    const QColor& colour, double haze, double phase);
void DrawLeafyStem(QPainter& p, QPointF base, double height, double lean, const QColor& colour,
                   double haze, double phase);
void DrawBranchCoral(QPainter& p, QPointF base, double size, const QColor& colour, double haze,
                     uint32_t seed);
void DrawSeaFan(QPainter& p, QPointF base, double size, const QColor& colour, double haze,
                uint32_t seed);
void DrawBrainCoral(QPainter& p, QPointF base, double w, double h, const QColor& colour);
void DrawStarfish(QPainter& p, QPointF centre, double r, double turn, const QColor& colour);

#pragma once

#include <QPainter>
#include <QPainterPath>
#include <functional>

// Shared pictograms for icons and cursors, drawn in a 128 x 128 design box.

// Paints at 4 times the size and scales down: smooth 32 x 32 art with alpha.
QImage RenderSmall(int size, const std::function<void(QPainter&)>& paint);

// The glossy aquatic badge every icon sits on, filling the design box.
void DrawBadge(QPainter& p);

// Outline of a hand pointing up, fingertip at (tipX, tipY).
QPainterPath HandPath(double tipX, double tipY);
// A falling water drop whose bottom touches (x, y), r wide.
QPainterPath DropPath(double x, double y, double r);

void DrawFishGlyph(QPainter& p, QPointF centre, double length, const QColor& body);
void DrawNotes(QPainter& p, const QColor& colour);
void DrawEye(QPainter& p, QPointF centre, double width);
void DrawPower(QPainter& p, const QColor& colour);
void DrawSliders(QPainter& p, const QColor& colour);
// A food shaker turned by angle (degrees) about its mouth at (x, y).
void DrawShaker(QPainter& p, double x, double y, double angle, double outline);
void DrawPellets(QPainter& p, const QPointF* at, int n, double r);

#include "FishSheet.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "AssetRandom.h"
#include "FishPortrait.h"
#include "FishSpecies.h"
#include "Scenery.h"

namespace {

constexpr int kCellW = 100, kCellH = 90;

void PaintCell(QPainter& p, int k, AssetRandom& random) {
    const QRectF cell((k % 5) * kCellW, (k / 5) * kCellH, kCellW, kCellH);
    const QRectF panel = cell.adjusted(3, 3, -3, -3);
    QLinearGradient g(panel.topLeft(), panel.bottomLeft());
    g.setColorAt(0.0, QColor(236, 248, 250));
    g.setColorAt(1.0, QColor(158, 208, 224));
    p.setPen(QPen(QColor(70, 130, 165), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(panel, 9, 9);
    // A few bubbles rising on the right.
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.9));
    p.setBrush(QColor(255, 255, 255, 40));
    for (int i = 0; i < 3; ++i) {
        const double r = random.Range(1.5, 3.2);
        p.drawEllipse(
            QPointF(panel.right() - random.Range(8, 22), panel.top() + random.Range(8, 30)), r, r);
    }
    // A soft shadow grounds the fish.
    QRadialGradient shadow(QPointF(panel.center().x(), panel.bottom() - 9), 34);
    shadow.setColorAt(0.0, QColor(40, 90, 120, 70));
    shadow.setColorAt(1.0, QColor(40, 90, 120, 0));
    p.save();
    p.translate(panel.center().x(), panel.bottom() - 9);
    p.scale(1.0, 0.18);
    p.translate(-panel.center().x(), -(panel.bottom() - 9));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(panel.center().x(), panel.bottom() - 9), 34, 34);
    p.restore();
    const QImage fish = PaintFishPortrait(k, 92, 70);
    p.drawImage(QPointF(cell.left() + 5, cell.top() + 15), fish);
}

void PaintFloorStrip(QPainter& p) {
    const QRectF strip(0, 4 * kCellH, 500, 512 - 4 * kCellH);
    QLinearGradient water(strip.topLeft(), strip.bottomLeft());
    water.setColorAt(0.0, QColor(46, 120, 160));
    water.setColorAt(1.0, QColor(20, 66, 110));
    p.fillRect(strip, water);
    QPainterPath sand(QPointF(0, 512));
    sand.lineTo(0, 470);
    sand.cubicTo(QPointF(120, 452), QPointF(260, 486), QPointF(380, 462));
    sand.quadTo(QPointF(450, 452), QPointF(500, 466));
    sand.lineTo(500, 512);
    sand.closeSubpath();
    QLinearGradient sg(QPointF(0, 455), QPointF(0, 512));
    sg.setColorAt(0.0, QColor(214, 196, 150));
    sg.setColorAt(1.0, QColor(170, 150, 110));
    p.fillPath(sand, sg);
    DrawRibbonWeed(p, QPointF(30, 480), 90, 0.05, 9, QColor(70, 150, 70), 0.0, 0.3);
    DrawRibbonWeed(p, QPointF(44, 482), 70, -0.1, 8, QColor(80, 160, 70), 0.0, 1.7);
    DrawRibbonWeed(p, QPointF(465, 474), 100, -0.05, 9, QColor(70, 150, 70), 0.0, 2.4);
    DrawBranchCoral(p, QPointF(400, 470), 60, QColor(246, 120, 96), 0.0, 5);
    DrawStarfish(p, QPointF(250, 492), 12, 0.4, QColor(236, 110, 60));
    AssetRandom random(404);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.setBrush(QColor(255, 255, 255, 30));
    for (int i = 0; i < 16; ++i) {
        const double r = random.Range(1.5, 5.0);
        p.drawEllipse(QPointF(random.Range(80, 440), random.Range(370, 445)), r, r);
    }
}

}  // namespace

QImage PaintFishSheet() {
    QImage sheet(500, 512, QImage::Format_RGB32);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(QPointF(0, 0), QPointF(0, 512));
    back.setColorAt(0.0, QColor(60, 140, 170));
    back.setColorAt(1.0, QColor(24, 80, 120));
    p.fillRect(sheet.rect(), back);
    PaintFloorStrip(p);
    AssetRandom random(129);
    for (int k = 0; k < kSpeciesCount; ++k) {
        PaintCell(p, k, random);
    }
    return sheet;
}

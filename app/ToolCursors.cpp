#include "app/ToolCursors.h"

#include <QPixmap>
#include <string>

#include "app/ToolModes.h"
#include "scene/PlainPictures.h"

namespace {
ToolCursorChoice Picture(int id) {
    return {PointerLook::Picture, id};
}
}  // namespace

ToolCursorChoice ChooseToolCursor(int mode, bool buttonHeld) {
    switch (mode) {
        case kModeTouch:
            return Picture(buttonHeld ? 159 : 158);
        case kModeFeed:
            return Picture(buttonHeld ? 164 : 163);
        case kModeEnlarge:
            return Picture(buttonHeld ? 177 : 167);
        case kModeShrink:
            return Picture(buttonHeld ? 178 : 169);
        case kModeNone:
            return {PointerLook::Hidden, 0};
        default:
            return {PointerLook::Arrow, 0};
    }
}

QPoint PictureHotSpot(const QImage& picture) {
    bool xOk = false, yOk = false;
    const QPoint spot(picture.text(QStringLiteral("HotSpotX")).toInt(&xOk),
                      picture.text(QStringLiteral("HotSpotY")).toInt(&yOk));
    if (xOk && yOk && picture.rect().contains(spot))
        return spot;
    return QPoint(picture.width() / 2, picture.height() / 2);
}

QCursor ToolCursor(int pictureId, qreal devicePixelRatio) {
    const QImage picture = PlainPicture(("cursor" + std::to_string(pictureId)).c_str());
    if (picture.isNull())
        return QCursor(Qt::ArrowCursor);
    const QPoint spot = PictureHotSpot(picture);
    // The window system shows a pointer picture pixel for pixel, hot spot included: on a scaled
    // screen both are scaled up here so the pointer keeps its size and its point.
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap =
        QPixmap::fromImage(picture.scaled((QSizeF(picture.size()) * ratio).toSize(),
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return QCursor(pixmap, qRound(spot.x() * ratio), qRound(spot.y() * ratio));
}

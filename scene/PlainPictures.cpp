#include "scene/PlainPictures.h"

#include <string>

#include "scene/Assets.h"

QString PlainPicturePath(const char* name) {
    InitAssetResources();
    return QStringLiteral(":/plain/%1.png").arg(QString::fromUtf8(name));
}

QImage PlainPicture(const char* name) {
    return QImage(PlainPicturePath(name));
}

QPixmap PlainIcon(int id) {
    return QPixmap(PlainPicturePath(("icon" + std::to_string(id)).c_str()));
}

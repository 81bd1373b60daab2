#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// The dialog, button and cursor pictures embedded as :/plain/<name>.png. `name` has no extension,
// e.g. "bitmap133" or "cursor158".

// Resource path of the picture, with the embedded resources registered, for QPixmap/QIcon.
QString PlainPicturePath(const char* name);

// The picture itself; a null image when there is none of that name.
QImage PlainPicture(const char* name);

// The icon of that id (the picture "icon<id>"); a null pixmap when there is none.
QPixmap PlainIcon(int id);

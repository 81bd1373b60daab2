#pragma once

#include <QImage>

// The program's own icon for menus and task bars: a fish in a little tank on the badge the
// other icons use. Square, with alpha; below 32 pixels only the badge and the fish, which still
// read at that size.
QImage PaintAppIcon(int size);

// The sizes the hicolor icon theme gets.
constexpr int kAppIconSizes[] = {16, 32, 48, 64, 128, 256};

#pragma once

#include <QImage>

// The Fish Settings dialog's sheet: 500 x 512, the 20 species in cells of 100 x 90 from the top
// left, five a row (cell k at x = (k % 5) * 100, y = (k / 5) * 90); each cell keeps its top-left
// corner calm, where the dialog prints the count. Below the cells a quiet sea-floor strip.
QImage PaintFishSheet();

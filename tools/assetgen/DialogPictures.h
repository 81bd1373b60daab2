#pragma once

#include <QImage>

// Small opaque pictures for dialogs and buttons, in the aquatic colours of the icons:
// 130, 131, 132 (64 x 64): a fish, bubbles and light rays in water;
// 142 (60 x 21) and 143 (55 x 28): glossy button faces; 144 (2 x 28): the face's shading as one
// column to stretch; 147 (129 x 28): a title strip of waves; 148 (9 x 4): an arrow pointing down;
// 159, 238, 156, 244 (13 x 5): the Aquarium Settings previews of tank looks 0, 1, 2 and 3.
// Returns a null image for any other id.
QImage PaintDialogPicture(int id);

constexpr int kDialogPictureIds[] = {130, 131, 132, 142, 143, 144, 147, 148, 156, 159, 238, 244};

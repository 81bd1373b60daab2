#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>

// What the pointer looks like over the tank.
enum class PointerLook { Hidden, Arrow, Picture };

struct ToolCursorChoice {
    PointerLook look = PointerLook::Arrow;
    int pictureId = 0;  // the cursor picture "cursor<id>" when the look is Picture

    bool operator==(const ToolCursorChoice& other) const {
        return look == other.look && pictureId == other.pictureId;
    }
};

// The pointer for a tool mode with the left button up or held: the tools that act on a fish or
// feed show their picture (another one while the button is held), no tool hides the pointer, and
// every other mode keeps the standard arrow.
ToolCursorChoice ChooseToolCursor(int mode, bool buttonHeld);

// The hot spot a cursor picture carries in its text keys "HotSpotX" and "HotSpotY"; the picture's
// centre when it carries none, or one outside the picture.
QPoint PictureHotSpot(const QImage& picture);

// The pointer showing the cursor picture "cursor<id>" at the same size in desktop units on a
// screen of that device pixel ratio; the standard arrow when there is no such picture.
QCursor ToolCursor(int pictureId, qreal devicePixelRatio);

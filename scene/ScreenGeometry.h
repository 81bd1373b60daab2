#pragma once

// What the screen size decides: the recognised screen mode and the tank's extents.

// 0..6 for the recognised resolutions, 1 for every other size.
int ScreenModeFor(int width, int height);

// True for the sizes the screen-mode table names (1280 x 1024 included).
bool IsListedScreenMode(int width, int height);

struct TankBounds {
    float minX, maxX, maxY, minY, minZ, maxZ;
};

// Tank extents for a screen size. Listed sizes keep their table values; other sizes get an x
// half-width from the aspect ratio (the view's half-width at the tank's middle depth, as the table
// does), never narrower than the 4:3 tank. x is widened by 20 on each side.
TankBounds TankBoundsFor(int width, int height);

// Base x half-width before the widening by 20.
int TankBaseHalfWidth(int width, int height);

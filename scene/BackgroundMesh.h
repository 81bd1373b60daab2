#pragma once

#include <GL/gl.h>

class CRippleSurface;

// Half-width Sx of the background picture (its half-height is 40). Listed screen sizes keep
// their mode's value; any other size gets 40 x width / height so the picture fills the view.
float BackgroundScaleX(int screenMode, int width, int height, bool listedSize);

// The frame's background step, split so the ripple motion runs without GL:
// one rain drop at a random pixel (three Rand() draws, the first discarded) ...
void BackgroundRainDrop(CRippleSurface& water, int width, int height);
// ... and one ripple step followed by the two Rand() draws the frame makes for it.
void BackgroundRippleStep(CRippleSurface& water, int width, int height);

// The picture `texture` through the ripple grid at z = -110, scaled by (scaleX, 40, 1): the
// drawing alone, no random numbers and no motion.
void DrawBackgroundGrid(const CRippleSurface& water, GLuint texture, float scaleX);

// The frame's way of drawing the picture: first, before anything else in the tank, without depth
// (everything else lies in front of it), mirrored past its edges; light is the frame's light
// level 0..1.
// Gives the pixels a depth-tested picture drawn after the tank's contents would give.
void DrawBackgroundBehindAll(const CRippleSurface& water, GLuint texture, float scaleX,
                             float light);

// The background Bezier mesh: 6 x 6 control points across the tank at z = -90, two divisions.
struct BackgroundMesh {
    float m_vControl[6][6][3] = {};
    GLuint m_nList = 0;
};

// Control points spread evenly over x in [minX, maxX] and y in [minY, maxY] at z = -90.
void BuildBackgroundMeshPoints(BackgroundMesh& mesh, float minX, float maxX, float minY,
                               float maxY);
// Compiles the evaluated mesh (with texture coordinates 0..1) into mesh.m_nList.
void CompileBackgroundMesh(BackgroundMesh& mesh);

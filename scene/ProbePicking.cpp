#include "scene/ProbePicking.h"

#include <GL/glu.h>

#include "scene/FixedGlState.h"
#include "scene/FoodPellet.h"

namespace {

constexpr float kSweepStep = 0.5f;
constexpr float kSweepReach = 5.0f;  // probe 0 turns back this far beyond the tank's minimum
constexpr double kPickRegionPixels = 15.0;

// A strip of the given half-width and half-height, one unit in front of its probe.
void DrawStrip(float halfWidth, float halfHeight) {
    glBegin(GL_QUADS);
    glVertex3f(-halfWidth, -halfHeight, 1.0f);
    glVertex3f(halfWidth, -halfHeight, 1.0f);
    glVertex3f(halfWidth, halfHeight, 1.0f);
    glVertex3f(-halfWidth, halfHeight, 1.0f);
    glEnd();
}

struct StripShape {
    int axis;  // 0: X-probes, 1: Y-probes
    float halfWidth, halfHeight;
};
constexpr StripShape kXStrip{0, 0.5f, 30.0f};
constexpr StripShape kYStrip{1, 90.0f, 0.5f};

// Probe 0 leads: its place decides the direction for all. Turning towards +x (+y) does not end
// the else-branch, so the probes also move on that frame and never stall beyond min - 5.
void SweepAxis(float (*probes)[3], int count, const StripShape& shape, float tankMin,
               bool& towardsPlus) {
    const int a = shape.axis;
    for (int k = 0; k < count; ++k) {
        glPushMatrix();
        const float lead = probes[0][a];
        if (tankMin - kSweepReach > lead)
            towardsPlus = true;
        if (tankMin + kSweepReach < lead) {
            towardsPlus = false;
            probes[k][a] -= kSweepStep;
        } else {
            probes[k][a] += towardsPlus ? kSweepStep : -kSweepStep;
        }
        glTranslatef(probes[k][0], probes[k][1], probes[k][2]);
        DrawStrip(shape.halfWidth, shape.halfHeight);
        glPopMatrix();
    }
}

// Every strip under its own name in one pass; the lowest name hit is the first probe in order.
float PickProbe(const float (*probes)[3], int count, const StripShape& shape, int mouseX,
                int mouseY) {
    glPushMatrix();
    PickSelection pick(mouseX, mouseY);
    for (int k = 0; k < count; ++k) {
        glLoadName(static_cast<GLuint>(k));
        glPushMatrix();
        glTranslatef(probes[k][0], probes[k][1], probes[k][2]);
        DrawStrip(shape.halfWidth, shape.halfHeight);
        glPopMatrix();
    }
    const int hits = pick.End();
    glPopMatrix();
    int first = count;
    for (int i = 0; i < hits; ++i) {
        const int name = static_cast<int>(pick.hit(i).name);
        if (name < first)
            first = name;
    }
    return first < count ? probes[first][shape.axis] : kNoProbeHit;
}

void DrawMark(ProbeSweep& p, float x, float y) {
    glPushMatrix();
    glTranslatef(x, y, kPickDepth);
    glColor3f(0.0f, 0.0f, 0.0f);
    if (p.markList == 0) {
        GLUquadric* cone = gluNewQuadric();
        if (cone) {
            gluQuadricDrawStyle(cone, GLU_LINE);
            p.markList = glGenLists(1);
            glNewList(p.markList, GL_COMPILE);
            gluCylinder(cone, 2.0, 0.0, 1.0, 15, 10);
            glEndList();
            gluDeleteQuadric(cone);
        }
    }
    if (p.markList != 0)
        glCallList(p.markList);
    glPopMatrix();
}

}  // namespace

PickSelection::PickSelection(int mouseX, int mouseY) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(kPickBufferSize, m_buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(mouseX, viewport[3] - mouseY, kPickRegionPixels, kPickRegionPixels, viewport);
    // The frame's own perspective, so the region lies under the pointer across the whole view.
    MultiplyTankFrustum(viewport[2], viewport[3]);
    glMatrixMode(GL_MODELVIEW);
}

int PickSelection::End() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    // The buffer holds far more records than there are probes or fish; an overflow counts as none.
    const GLint hits = glRenderMode(GL_RENDER);
    m_hits = hits > 0 ? hits : 0;
    return m_hits;
}

// Records are {name count, nearest depth, farthest depth, names...}.
PickSelection::Hit PickSelection::hit(int i) const {
    int at = 0;
    for (int k = 0; k < i; ++k)
        at += 3 + static_cast<int>(m_buffer[at]);
    return Hit{m_buffer[at] > 0 ? m_buffer[at + 3] : 0u, m_buffer[at + 1]};
}

void PlaceProbes(ProbeSweep& p, float minX, float maxX, float minY, float maxY) {
    const float z = kPickDepth - 1.0f;  // the strips lie one unit in front of their probe
    const float midX = 0.5f * (minX + maxX), midY = 0.5f * (minY + maxY);
    for (int k = 0; k < kXProbes; ++k) {
        p.xProbe[k][0] = minX + (maxX - minX) * k / (kXProbes - 1);
        p.xProbe[k][1] = midY;
        p.xProbe[k][2] = z;
    }
    for (int k = 0; k < kYProbes; ++k) {
        p.yProbe[k][0] = midX;
        p.yProbe[k][1] = minY + (maxY - minY) * k / (kYProbes - 1);
        p.yProbe[k][2] = z;
    }
}

void SweepProbes(ProbeSweep& p, float tankMinX, float tankMinY) {
    // The strips leave the colours as they are and write only depth. Drawn without texture, fog,
    // blending or colour writes they give the same pixels at a fraction of the cost: together
    // they cover most of the window.
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_FOG);
    glDisable(GL_BLEND);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    SweepAxis(p.xProbe, kXProbes, kXStrip, tankMinX, p.xTowardsPlus);
    SweepAxis(p.yProbe, kYProbes, kYStrip, tankMinY, p.yTowardsPlus);
    glPopAttrib();
}

float PickXProbe(const ProbeSweep& p, int mouseX, int mouseY) {
    return PickProbe(p.xProbe, kXProbes, kXStrip, mouseX, mouseY);
}

float PickYProbe(const ProbeSweep& p, int mouseX, int mouseY) {
    return PickProbe(p.yProbe, kYProbes, kYStrip, mouseX, mouseY);
}

void RunProbeStep(ProbeStep& s) {
    ProbeSweep& p = s.probes;
    // Alpha 0 under the frame's blend function: the strips are not seen.
    glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
    SweepProbes(p, s.minX, s.minY);

    if (s.feedClick || s.otherClick) {
        const float x = PickXProbe(p, s.mouseX, s.mouseY);
        const float y = PickYProbe(p, s.mouseX, s.mouseY);
        if (!p.pickedXValid && x >= s.minX && x <= s.maxX) {
            p.pickedX = x;
            p.pickedXValid = true;
        }
        if (!p.pickedYValid && y >= s.minY && y <= s.maxY) {
            p.pickedY = y;
            p.pickedYValid = true;
        }
    }

    // With all pellets falling the click is used up without a drop.
    if (s.feedClick && p.pickedXValid && p.pickedYValid) {
        p.pickedXValid = p.pickedYValid = false;
        s.feedClick = false;
        DropFirstInactive(s.food, p.pickedX, p.pickedY - 2.0f, kPickDepth);
    }

    if (s.markMode && p.pickedXValid && p.pickedYValid) {
        p.pickedXValid = p.pickedYValid = false;
        DrawMark(p, p.pickedX, p.pickedY - 2.0f);
    }

    // Colour material makes the current colour the lit material: left at alpha 0 it would turn
    // the next frame's fish and background transparent.
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

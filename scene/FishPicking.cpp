#include "scene/FishPicking.h"

#include <GL/gl.h>

#include "app/ToolModes.h"
#include "fish/Fish.h"
#include "fish/FishTank.h"
#include "scene/ProbePicking.h"

int PickNearestFish(CFish fish[], const int counts[kSpeciesCount], int mouseX, int mouseY) {
    int start[kSpeciesCount], end[kSpeciesCount];
    const int total = BuildSpeciesRanges(counts, start, end);
    if (total == 0)
        return -1;
    // A fish leaves its last normal and skin coordinate as GL's current ones.
    glPushAttrib(GL_CURRENT_BIT);
    PickSelection pick(mouseX, mouseY);
    int species = 0;
    for (int i = 0; i < total; ++i) {
        while (i >= end[species])
            ++species;
        glLoadName(static_cast<GLuint>(i));
        glPushMatrix();
        glTranslatef(fish[i].m_vPos[0], fish[i].m_vPos[1], fish[i].m_vPos[2]);
        fish[i].DrawPose(species);
        glPopMatrix();
    }
    const int hits = pick.End();
    glPopAttrib();
    int nearest = -1;
    GLuint nearestDepth = 0;
    for (int i = 0; i < hits; ++i) {
        const PickSelection::Hit h = pick.hit(i);
        if (nearest < 0 || h.nearDepth < nearestDepth) {
            nearest = static_cast<int>(h.name);
            nearestDepth = h.nearDepth;
        }
    }
    return nearest;
}

int RunFishTool(int mode, bool& buttonDown, CFish fish[], const int counts[kSpeciesCount],
                int mouseX, int mouseY) {
    if (!buttonDown)
        return -1;
    buttonDown = false;  // one press, one pick
    const int slot = PickNearestFish(fish, counts, mouseX, mouseY);
    if (slot < 0)
        return -1;
    if (mode == kModeTouch)
        fish[slot].Startle();
    else if (mode == kModeEnlarge)
        fish[slot].Resize(1.0f, true, false);
    else if (mode == kModeShrink)
        fish[slot].Resize(1.0f, false, false);
    return slot;
}

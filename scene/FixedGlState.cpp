#include "scene/FixedGlState.h"

#include <GL/gl.h>

#include "scene/SceneLight.h"

void ApplyFixedGlState() {
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glLightfv(GL_LIGHT1, GL_AMBIENT, g_lightAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, g_lightDiffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, g_lightPosition);
    glEnable(GL_LIGHT1);
    glEnable(GL_COLOR_MATERIAL);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_BLEND);
}

void ApplyStartFog() {
    glFogi(GL_FOG_MODE, GL_EXP);
    const GLfloat fogColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glFogfv(GL_FOG_COLOR, fogColour);
    glFogf(GL_FOG_DENSITY, 0.5f);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, -10.0f);
    glFogf(GL_FOG_END, 100.0f);
    glEnable(GL_FOG);
}

void MultiplyTankFrustum(int width, int height) {
    const double w = width > 0 ? width : 1, h = height > 0 ? height : 1;
    if (w > h)
        glFrustum(-0.4 * w / h, 0.4 * w / h, -0.4, 0.4, 1.0, 1000.0);
    else
        glFrustum(-0.4, 0.4, -0.4 * h / w, 0.4 * h / w, 1.0, 1000.0);
}

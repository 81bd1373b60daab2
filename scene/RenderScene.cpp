#include <GL/gl.h>
#include <GL/glu.h>

#include <QOpenGLContext>

#include "app/AquariumScene.h"
#include "scene/SceneLight.h"

bool CAquariumScene::RenderScene() {
    if (!m_bGlReady && !context())
        return false;
    const int w = m_nWidth, h = m_nHeight;

    // Projection: 0.4 half-height at the near plane, widened along the longer side.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (w > h)
        glFrustum(-0.4 * w / h, 0.4 * w / h, -0.4, 0.4, 1.0, 1000.0);
    else
        glFrustum(-0.4, 0.4, -0.4 * h / w, 0.4 * h / w, 1.0, 1000.0);

    // The camera never moves.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 0.0, m_fEyeZOffset - 5.0, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);

    glViewport(0, 0, w, h);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    const float light = LightComponent(g_settings.nLightLevel);
    for (int c = 0; c < 3; ++c)
        g_lightAmbient[c] = g_lightDiffuse[c] = light;
    glLightfv(GL_LIGHT1, GL_AMBIENT, g_lightAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, g_lightDiffuse);
    glEnable(GL_LIGHTING);

    glDisable(GL_FOG);
    glFogf(GL_FOG_DENSITY, FogDensity(g_settings.nFogLevel));
    glEnable(GL_FOG);

    glDisable(GL_LIGHTING);

    glFinish();
    ++m_nFramesDrawn;
    if (m_bGrabThisFrame)
        saveScreenshot();
    if (!m_bInPaint)
        context()->swapBuffers(this);
    return true;
}

#include <GL/gl.h>
#include <GL/glu.h>

#include <QOpenGLContext>

#include "app/AquariumScene.h"
#include "media/CCustomBackgroundDlg.h"
#include "scene/FixedGlState.h"
#include "scene/RippleOverlay.h"
#include "scene/SceneLight.h"
#include "scene/ScreenGeometry.h"

bool CAquariumScene::RenderScene() {
    return RunFrame(true);
}

void CAquariumScene::StepUnseen() {
    RunFrame(false);
}

bool CAquariumScene::RunFrame(bool draw) {
    if (!m_pWater)
        return false;  // the set-up did not get that far: nothing to draw
    const int w = m_nWidth, h = m_nHeight;
    const bool showBackground = g_settings.nBackgroundStyle == 0 && g_settings.nShowTerra != 0;

    if (draw) {
        BeginFrame();
        // The background picture lies behind everything in the tank, so it is drawn before the
        // fish and without depth: each fish then covers it just as a depth-tested picture drawn
        // after the fish would be covered, at a fraction of the cost. Its motion keeps its place
        // in the frame.
        if (showBackground)
            DrawBackground(LightComponent(g_settings.nLightLevel));
    }

    FishTankRefs tank = FishTank();
    RunFishFrame(tank, g_settings.nFishCount, m_nFishTex, draw);

    if (showBackground) {
        BackgroundRainDrop(*m_pWater, w, h);
        BackgroundRippleStep(*m_pWater, w, h);
    }

    if (draw)
        glDisable(GL_LIGHTING);
    for (CFoodPellet& pellet : m_Food) {
        if (!pellet.IsActive())
            continue;
        if (draw)
            glPushMatrix();
        pellet.Draw(draw);
        if (draw)
            glPopMatrix();
    }
    AutoDropPellet(m_Food, m_nPelletDropCounter);

    // Bubbles rise in every frame, so the bubble count is something a user can see.
    if (draw) {
        DrawBubbleStreams(m_Bubbles, m_vBubbleSource, m_nBubbleCount);
    } else {
        AdvanceBubbleStreams(m_Bubbles, m_vBubbleSource, m_nBubbleCount);
    }

    if (!draw) {
        // Nobody can point at a tank nobody sees: the tools wait for the next drawn frame. The
        // Ripple tool's waves still run at their own pace.
        if (m_nMode == kModeRipple)
            m_pWater->Step();
        return true;
    }

    // After everything in the tank is drawn: the probe strips write depth.
    RunToolStep();

    if (m_nMode == kModeRipple)
        RippleOverlay(*m_pWater, m_nRippleTex, w, h);

    glFinish();
    ++m_nFramesDrawn;
    if (m_bGrabThisFrame)
        saveScreenshot();
    if (!m_bInPaint)
        context()->swapBuffers(this);
    return true;
}

void CAquariumScene::BeginFrame() {
    const int w = m_nWidth, h = m_nHeight;

    // Projection: 0.4 half-height at the near plane, widened along the longer side.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    MultiplyTankFrustum(w, h);

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

    // At density 0 fog leaves every pixel as it is, so it is left off and costs nothing.
    glDisable(GL_FOG);
    const float fogDensity = FogDensity(g_settings.nFogLevel);
    glFogf(GL_FOG_DENSITY, fogDensity);
    if (fogDensity > 0.0f)
        glEnable(GL_FOG);
}

void CAquariumScene::DrawBackground(float light) {
    const int w = m_nWidth, h = m_nHeight;
    const float scaleX = BackgroundScaleX(m_nScreenMode, w, h, IsListedScreenMode(w, h));
    // The user's picture while "Use your own image" is on and one is chosen; else the built-in one.
    GLuint texture = m_nBackgroundTex;
    if (g_bUseOwnBackground && m_pBackgroundDlg && m_pBackgroundDlg->m_nCurrentTexture != 0)
        texture = m_pBackgroundDlg->m_nCurrentTexture;
    DrawBackgroundBehindAll(*m_pWater, texture, scaleX, light);
}

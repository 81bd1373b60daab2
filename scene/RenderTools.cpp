#include <GL/gl.h>

#include "app/AquariumScene.h"
#include "scene/FishPicking.h"
#include "scene/ProbePicking.h"

void CAquariumScene::RunToolStep() {
    if (m_nMode == kModeFeed || m_nMode == kModeProbeTest || m_nMode == kModeMark) {
        const bool otherClick = m_bProbeClick || m_bMarkClick;
        const bool markMode = m_nMode == kModeMark;
        ProbeStep step{m_Probes,    m_fTankMinX,   m_fTankMaxX,   m_fTankMinY,
                       m_fTankMaxY, m_ptMouse.x(), m_ptMouse.y(), m_bFeedClick,
                       otherClick,  markMode,      m_Food};
        RunProbeStep(step);
    }
    if (m_nMode == kModeTouch || m_nMode == kModeEnlarge || m_nMode == kModeShrink)
        PickFish();
}

void CAquariumScene::PickFish() {
    RunFishTool(m_nMode, m_bLButtonDown, m_Fish, g_settings.nFishCount, m_ptMouse.x(),
                m_ptMouse.y());
}

#include "scene/BubbleSystem.h"

#include <QOpenGLContext>
#include <algorithm>
#include <new>

#include "platform/Random.h"
#include "scene/Terrain.h"

bool CParticleSystem::Init(int count) {
    count = std::max(count, 0);
    m_pParticles.reset(new (std::nothrow) Particle[count]);
    if (!m_pParticles) {
        m_nAllocated = m_nCount = 0;
        return false;
    }
    m_nAllocated = count;
    m_nCount = count;
    for (int i = 0; i < count; ++i) {
        Particle& p = m_pParticles[i];
        for (int d = 0; d < 3; ++d)
            p.m_vPos[d] = p.m_vVel[d] = p.m_vAcc[d] = 0.0f;
    }
    return true;
}

namespace {

int RandDifference9000() {
    const int a = Rand() % 9000;
    const int b = Rand() % 9000;
    return a - b;
}

void SetAcceleration(Particle& p) {
    p.m_vAcc[0] = 0.0f;
    p.m_vAcc[1] = 0.002f;
    p.m_vAcc[2] = 0.0f;
}

void RandomColour(Particle& p) {
    for (float& c : p.m_vColour)
        c = static_cast<float>(Rand() % 255);
}

}  // namespace

bool CBubbleSystem::Init(int count) {
    if (!CParticleSystem::Init(count))
        return false;
    for (int i = 0; i < m_nAllocated; ++i) {
        Particle& p = m_pParticles[i];
        p.m_vPos[0] = static_cast<float>((Rand() % 9) * 0.001);
        p.m_vPos[1] = static_cast<float>((Rand() % 9) * 0.005 - 1);
        p.m_vPos[2] = static_cast<float>((Rand() % 6) * 0.005);
        p.m_vVel[0] = static_cast<float>(RandDifference9000() * 0.000003);
        p.m_vVel[1] = static_cast<float>((Rand() % 9000) * 0.0000042);
        p.m_vVel[2] = static_cast<float>((Rand() % 9000) * 0.000001);
        SetAcceleration(p);
        p.m_fLife = 200.0f;
        p.m_fSize = static_cast<float>((Rand() % 10 + 1) * 0.05);
        p.m_fFade = static_cast<float>((Rand() % 50) * 0.05);
        RandomColour(p);
    }
    return true;
}

// Re-emission: z and vz come from wider ranges than at birth; the size stays.
void CBubbleSystem::Emit(Particle& p) {
    p.m_vPos[0] = static_cast<float>((Rand() % 9) * 0.001);
    p.m_vPos[1] = static_cast<float>((Rand() % 9) * 0.005 - 1);
    p.m_vPos[2] = static_cast<float>((Rand() % 9000) * 0.000001);
    p.m_vVel[0] = static_cast<float>(RandDifference9000() * 0.000003);
    p.m_vVel[1] = static_cast<float>((Rand() % 9000) * 0.0000042);
    p.m_vVel[2] = static_cast<float>((Rand() % 90000) * 0.000001);
    SetAcceleration(p);
    p.m_fLife = 200.0f;
    p.m_fFade = static_cast<float>((Rand() % 50) * 0.05);
    RandomColour(p);
}

void CBubbleSystem::Update() {
    for (int i = 0; i < m_nCount; ++i) {
        Particle& p = m_pParticles[i];
        for (int d = 0; d < 3; ++d)
            p.m_vPos[d] += p.m_vVel[d];
        p.m_vVel[1] += p.m_vAcc[1];
        p.m_fLife -= p.m_fFade;
        if (p.m_vPos[1] <= -25.0f || p.m_fLife <= 0.0f || p.m_vPos[1] > m_fCeiling)
            Emit(p);
    }
}

int CBubbleSystem::ClampCount(int count) const {
    return std::clamp(count, 0, m_nAllocated);
}

void CBubbleSystem::Render(int count) {
    m_nCount = ClampCount(count);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glBindTexture(GL_TEXTURE_2D, m_nTexture);
    const float jitter = m_bColoured ? 0.005f : 0.01f;
    glBegin(GL_QUADS);
    for (int i = 0; i < m_nCount; ++i) {
        const Particle& p = m_pParticles[i];
        const int r1 = Rand();
        const int r2 = Rand();
        const float x = p.m_vPos[0] + (r1 % 20) * jitter;
        const float y = p.m_vPos[1];
        const float z = p.m_vPos[2] + (r2 % 20) * jitter;
        const float h = p.m_fSize;
        if (m_bColoured) {
            glColor3ub(static_cast<GLubyte>(p.m_vColour[0]), static_cast<GLubyte>(p.m_vColour[1]),
                       static_cast<GLubyte>(p.m_vColour[2]));
        }
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(x - h, y - h, z);
        glTexCoord2f(1.0f, 0.0f);
        glVertex3f(x - h, y + h, z);
        glTexCoord2f(1.0f, 1.0f);
        glVertex3f(x + h, y + h, z);
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(x + h, y - h, z);
    }
    glEnd();
    Update();
    if (m_bColoured)
        glColor3ub(255, 255, 255);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void CBubbleSystem::Advance(int count) {
    m_nCount = ClampCount(count);
    for (int i = 0; i < m_nCount; ++i) {  // the two jitter draws per particle
        Rand();
        Rand();
    }
    Update();
}

void CBubbleSystem::PreWarm(int passes, int count) {
    const int n = ClampCount(count);
    for (int pass = 0; pass < passes; ++pass)
        Advance(n);
    if (passes <= 0 || QOpenGLContext::currentContext() == nullptr)
        return;
    // What drawing would have left: the texture bound, the last corner's texture coordinate,
    // the colour reset and the blend function.
    glBindTexture(GL_TEXTURE_2D, m_nTexture);
    if (n > 0)
        glTexCoord2f(0.0f, 1.0f);
    if (m_bColoured)
        glColor3ub(255, 255, 255);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

int BubbleCountFromSetting(int setting) {
    return 1000 - std::clamp(setting, 0, 1000);
}

void AdvanceBubbleStreams(CBubbleSystem& bubbles, const float source[3], int count,
                          float surfaceY) {
    bubbles.SetCeiling(surfaceY - source[1]);
    bubbles.Advance(count);
}

void ComputeBubbleSource(int rows, float tankMinY, float tankMinZ, float source[3]) {
    const int i = std::clamp(rows / 2 - 5, 0, kTerrainMaxRows - 1);
    const float* p = g_terrainVertices[i][10];
    source[0] = p[0];
    source[1] = tankMinY - p[1] - 5.0f;
    source[2] = p[2] + tankMinZ;
}

void DrawBubbleStreams(CBubbleSystem& bubbles, const float source[3], int count, float surfaceY) {
    bubbles.SetCeiling(surfaceY - source[1]);
    glPushAttrib(GL_DEPTH_BUFFER_BIT | GL_FOG_BIT);
    glDepthMask(GL_FALSE);
    // The bubbles' light is added to the water: fog fades it towards nothing, where the tank's
    // white fog colour would light up the dark corners of every bubble's square.
    const GLfloat none[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glFogfv(GL_FOG_COLOR, none);
    glPushMatrix();
    glTranslatef(source[0], source[1], source[2]);
    bubbles.Render(count);
    glPopMatrix();
    glPopAttrib();
}

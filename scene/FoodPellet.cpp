#include "scene/FoodPellet.h"

#include <QOpenGLContext>
#include <cmath>

#include "platform/Random.h"

namespace {

bool HaveGl() {
    return QOpenGLContext::currentContext() != nullptr;
}

// First draw minus second draw, in that order.
int RandDifference() {
    const int a = Rand();
    const int b = Rand();
    return a - b;
}

}  // namespace

void CFoodPellet::Reset() {
    ResetMotion();
    if (HaveGl())
        CompileDisc();
}

void CFoodPellet::ResetMotion() {
    m_fX = static_cast<float>(RandDifference() * 1.38 / 32767);
    m_fY = 1.0f;
    m_fZ = static_cast<float>(RandDifference() * 0.38 / 32767);
    m_fSpinX = static_cast<float>(RandDifference() * 180.0 / 32767);
    const double a = RandDifference() * 180.0 / 32767;
    const double b = RandDifference() * 180.0 / 32767;
    m_fSpinY = static_cast<float>(a + b);
    m_fSinkSpeed = static_cast<float>((Rand() % 10) * 0.0005 + 0.005);
    m_fAlive = 1.0f;
    m_vWorld[0] = m_vWorld[1] = m_vWorld[2] = 0.0f;
}

void CFoodPellet::CompileDisc() {
    // One list per pellet, however often it is dropped.
    if (m_nList != 0)
        glDeleteLists(m_nList, 1);
    m_nList = glGenLists(1);
    glNewList(m_nList, GL_COMPILE);
    glPushMatrix();
    glDisable(GL_TEXTURE_2D);
    glColor3ub(243, 225, 159);
    glBegin(GL_TRIANGLE_FAN);
    for (int i = 0; i < 500; ++i) {
        const double a = i * 0.01256637;
        glVertex2f(static_cast<float>(0.15 * std::cos(a)), static_cast<float>(0.15 * std::sin(a)));
    }
    glEnd();
    glColor3ub(255, 255, 255);
    glEnable(GL_TEXTURE_2D);
    glPopMatrix();
    glEndList();
}

void CFoodPellet::DropAt(float x, float y, float z) {
    m_vDrop[0] = x;
    m_vDrop[1] = y;
    m_vDrop[2] = z;
    Reset();
}

void CFoodPellet::Draw(bool show) {
    const bool gl = show && HaveGl();
    if (gl) {
        glTranslatef(m_vDrop[0], m_vDrop[1], m_vDrop[2]);
        glPushMatrix();
    }
    if (static_cast<int>(m_fAlive) != 0) {
        if (gl) {
            glPushMatrix();
            glRotated(m_fSpinY, 0.0, 1.0, 0.0);
            glTranslatef(m_fX, m_fY - 0.2f, m_fZ);
            glRotated(m_fSpinX, 1.0, 0.0, 0.0);
            glCallList(m_nList);
            glPopMatrix();
        }
        // The circling rotation is not part of where the fish look for the pellet.
        m_vWorld[0] = m_vDrop[0] + m_fX;
        m_vWorld[1] = m_vDrop[1] + (m_fY - 0.2f);
        m_vWorld[2] = m_vDrop[2] + m_fZ;
    } else {
        SetActive(false);
    }
    if (gl)
        glPopMatrix();
    Update();
}

void CFoodPellet::Push(float dx, float dy, float dz) {
    m_fX += dx;
    m_fY += dy;
    m_fZ += dz;
}

void CFoodPellet::Update() {
    if (m_fY > -40.0f) {
        m_fX += static_cast<float>(RandDifference() * 0.002 / 32767);
        m_fY -= m_fSinkSpeed;
        m_fZ += static_cast<float>(RandDifference() * 0.002 / 32767);
        m_fSpinX += 0.4f;
        m_fSpinY += 2.0f;
    } else {
        m_fY = -40.0f;
        m_fSpinX -= static_cast<float>(Rand() * 0.2 / 32767);
        m_fSpinY += static_cast<float>(Rand() / 32767.0);
        m_fAlive = 0.0f;
    }
}

bool DropFirstInactive(CFoodPellet food[kFoodPelletCount], float x, float y, float z) {
    for (int i = 0; i < kFoodPelletCount; ++i) {
        if (food[i].IsActive())
            continue;
        food[i].DropAt(x, y, z);
        food[i].SetActive(true);
        return true;
    }
    return false;
}

void AutoDropPellet(CFoodPellet food[kFoodPelletCount], int& dropCounter) {
    if (dropCounter == 0) {
        const int a = Rand() % 10;
        const int b = Rand() % 10;
        const int c = Rand();
        const int x = (c % 2 == 0) ? -a : a;
        DropFirstInactive(food, static_cast<float>(x), static_cast<float>(b), -50.0f);
    }
    if (++dropCounter > 500)
        dropCounter = 0;
}

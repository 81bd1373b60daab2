#pragma once

#include <GL/gl.h>

// One food pellet: dropped at a point, sinks while it tumbles and circles, and is gone once a fish
// eats it or it lands. Motion (ResetMotion, Update) runs without GL; Draw's state changes too,
// its drawing and the disc need a current GL context and are skipped without one.
class CFoodPellet {
public:
    CFoodPellet() = default;
    virtual ~CFoodPellet() = default;

    void Reset();                            // new random motion, alive, fresh disc list
    void DropAt(float x, float y, float z);  // m_vDrop = (x, y, z), then Reset
    bool IsActive() const { return m_bActive; }
    void SetActive(bool active) { m_bActive = active; }
    // Draws if alive (else deactivates), then Update; without `show` (or without a current GL
    // context) only the motion.
    void Draw(bool show = true);
    void Push(float dx, float dy, float dz);  // nudge towards a fish's mouth
    void Eat() { m_fAlive = 0.0f; }
    void Update();  // one frame of sinking / lying on the floor

    void ResetMotion();  // Reset without the disc
    void CompileDisc();  // replaces this pellet's disc list (GL context required)

    float m_fX = 0.0f, m_fY = 0.0f, m_fZ = 0.0f;
    float m_fSpinX = 0.0f;
    float m_fSpinY = 0.0f;
    float m_fSinkSpeed = 0.0f;
    float m_fAlive = 0.0f;
    GLuint m_nList = 0;
    float m_vWorld[3] = {0.0f, 0.0f, 0.0f};
    float m_vDrop[3] = {0.0f, 0.0f, -70.0f};
    bool m_bActive = false;
};

constexpr int kFoodPelletCount = 10;

// Gives the first inactive pellet a drop at (x, y, z) and activates it; false when all are active.
bool DropFirstInactive(CFoodPellet food[kFoodPelletCount], float x, float y, float z);

// The frame's automatic feeding: on counter 0 draws three Rand() and drops a pellet at
// (+-a, b, -50); the counter then counts on and wraps after 500.
void AutoDropPellet(CFoodPellet food[kFoodPelletCount], int& dropCounter);

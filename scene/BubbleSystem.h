#pragma once

#include <GL/gl.h>

#include <limits>
#include <memory>
#include <string>

// One particle: position, velocity, acceleration, life, fade, size and colour, 15 floats.
struct Particle {
    float m_vPos[3];
    float m_vVel[3];
    float m_vAcc[3];     // always (0, 0.002, 0)
    float m_fLife;       // starts at 200
    float m_fFade;       // life lost per Update
    float m_fSize;       // half-size of the square
    float m_vColour[3];  // 0..254 each
};

// A fixed number of particle records and the count that drawing and Update process.
class CParticleSystem {
public:
    virtual ~CParticleSystem() = default;
    // Allocates count records with their first nine floats zeroed; false when that fails.
    virtual bool Init(int count);
    virtual void Update() = 0;

    int Allocated() const { return m_nAllocated; }

    int m_nCount = 0;
    std::unique_ptr<Particle[]> m_pParticles;

protected:
    int m_nAllocated = 0;
};

// Rising bubbles, born around (0, -1, 0) in the system's own frame and re-emitted when they die.
class CBubbleSystem : public CParticleSystem {
public:
    ~CBubbleSystem() override = default;
    // Allocates and gives every particle its start values (Rand() order fixed).
    bool Init(int count) override;
    // Moves the first m_nCount particles one step and re-emits the dead ones.
    void Update() override;

    void SetColoured(bool coloured) { m_bColoured = coloured; }
    // "Particle1" from the built-in assets (GL context required).
    void LoadTexture(const std::string& assetDir);

    // Draws the first count particles (count kept within the allocation), then Update; leaves
    // the blend function at (GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA). GL context required.
    void Render(int count);
    // Render(count) without drawing: the same particles and the same Rand() draws; no GL.
    void Advance(int count);
    // The same as `passes` calls of Render(count) without drawing anything: the same particles,
    // the same Rand() draws and the same GL state left behind (when a context is current).
    void PreWarm(int passes, int count);

    // Particles above this height (own frame) are re-emitted too. Infinite by default: a bubble
    // with fade 0 then never dies. A frame that shows the bubbles sets the water's surface.
    void SetCeiling(float y) { m_fCeiling = y; }

    bool m_bColoured = true;
    GLuint m_nTexture = 0;

private:
    int ClampCount(int count) const;
    void Emit(Particle& p);
    float m_fCeiling = std::numeric_limits<float>::infinity();
};

// Bubble count from the "QIPAONUM" setting: 1000 - value, the value brought into 0..1000.
int BubbleCountFromSetting(int setting);

// Where the bubbles rise from: floor point (rows / 2 - 5, 10) at x, tankMinY - its height - 5,
// its z + tankMinZ (the floor must have been generated).
void ComputeBubbleSource(int rows, float tankMinY, float tankMinZ, float source[3]);

// One frame of visible bubbles: Render(count) under a translation to source, without writing
// depth (the squares' clear corners must not hide what is drawn later). Bubbles that reach the
// water's surface (world y) start again at the source; otherwise every bubble that happens to
// get fade 0 would rise for ever, and within minutes of frames the streams would run dry.
void DrawBubbleStreams(CBubbleSystem& bubbles, const float source[3], int count,
                       float surfaceY = 21.0f);
// The same step without drawing (no GL).
void AdvanceBubbleStreams(CBubbleSystem& bubbles, const float source[3], int count,
                          float surfaceY = 21.0f);

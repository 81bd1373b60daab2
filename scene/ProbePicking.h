#pragma once

#include <GL/gl.h>

class CFoodPellet;

// The probes that find the world point under the pointer: 50 vertical strips (X-probes) and 10
// horizontal strips (Y-probes), swept a little every frame so that one of each passes under the
// pointer, and what they picked.

constexpr int kXProbes = 50;
constexpr int kYProbes = 10;
constexpr float kNoProbeHit = -10000.0f;
// The depth a Feed drop falls from and the mark stands at; the strips are drawn there, so the
// picked point is the point under the pointer at that depth.
constexpr float kPickDepth = -70.0f;

struct ProbeSweep {
    float xProbe[kXProbes][3] = {};
    float yProbe[kYProbes][3] = {};
    bool xTowardsPlus = false;  // the X-probes move towards +x
    bool yTowardsPlus = true;   // the Y-probes move towards +y
    bool pickedXValid = false;
    bool pickedYValid = false;
    float pickedX = 0.0f;
    float pickedY = 0.0f;
    GLuint markList = 0;  // the mark's wire cone, made on first use
};

// Spreads the X-probes evenly over minX..maxX and the Y-probes over minY..maxY, probe 0 at the
// minimum, with their strips at kPickDepth.
void PlaceProbes(ProbeSweep& p, float minX, float maxX, float minY, float maxY);

// One frame's sweep: every probe moves by 0.5, turning where probe 0 passes min - 5 or min + 5,
// and its strip is drawn into the depth buffer only.
void SweepProbes(ProbeSweep& p, float tankMinX, float tankMinY);

// The coordinate of the first X-probe (Y-probe), in index order, whose strip lies under the
// 15 x 15 pixel region around the pointer (device pixels, y downwards), or kNoProbeHit. Needs the
// frame's camera on the model-view matrix and the frame's viewport; leaves the GL state as it was.
float PickXProbe(const ProbeSweep& p, int mouseX, int mouseY);
float PickYProbe(const ProbeSweep& p, int mouseX, int mouseY);

// A selection pass of the pick routines: a buffer of 512 entries, the name stack with one name,
// and the frame's own perspective for the viewport, narrowed to the 15 x 15 pixel region around
// the pointer. Ends with the projection restored and drawing back on.
constexpr int kPickBufferSize = 512;
class PickSelection {
public:
    PickSelection(int mouseX, int mouseY);
    // Ends the pass; then hit(i) gives hit record i's first name and nearest depth.
    int End();
    struct Hit {
        GLuint name;
        GLuint nearDepth;
    };
    Hit hit(int i) const;

private:
    GLuint m_buffer[kPickBufferSize];
    int m_hits = -1;
};

// The tools' part of a frame in the Feed, probe test and mark modes.
struct ProbeStep {
    ProbeSweep& probes;
    float minX, maxX, minY, maxY;  // a pick outside these is not kept
    int mouseX, mouseY;            // device pixels, y downwards
    bool& feedClick;               // a Feed click waiting for both picks; cleared when served
    bool otherClick;               // a probe test or mark click has been made
    bool markMode;
    CFoodPellet* food;  // kFoodPelletCount pellets
};

// Sweeps and draws the probes; while a click is waiting, picks the point under the pointer;
// serves a Feed click (a pellet at the point, 2 below it, at kPickDepth) or draws the mark there.
// Ends with the colour white and opaque.
void RunProbeStep(ProbeStep& s);

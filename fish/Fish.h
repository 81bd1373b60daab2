#pragma once

#include "fish/FishPose.h"

// One fish of the tank: its swimming state and the per-frame step that moves, turns and draws it.
// The step runs without a GL context when asked not to draw, and then draws the same random
// numbers, so a tank simulated headless replays exactly the tank that is shown.
class CFish {
public:
    CFish();
    virtual ~CFish() = default;

    void SetBounds(float left, float right, float top, float bottom, float front);
    // One frame of this fish. With bDraw the caller has pushed the model-view matrix, translated
    // it to m_vPos and bound the species' skin.
    void UpdateAndDraw(int nSpecies, bool bDraw = true);
    // Draws the fish as its last step left it, with the shape of species nSpecies, without
    // stepping it (the picking pass). The caller sets up the matrix as for UpdateAndDraw.
    void DrawPose(int nSpecies);
    void ApproachSpeed(float fStep, float fTarget);
    void Turn(float fAmount, bool bSide, int nKind);
    void Tilt(float fAmount, bool bSide, int nKind);
    void SetEating(bool bEating) { m_bEating = bEating; }
    void Resize(float fStep, bool bGrow, bool bToMax);
    bool InDeepBand() const;
    void Startle();

    // The pose of the last step (segment angles, fin waves, paired fins, eye twitches).
    const FishPose& Pose() const { return m_pose; }

    // Body model (FishBody.cpp).
    void SetPartRotation(float angle);
    void EmitVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t);

    float m_matPart[16];
    int m_nSize;
    bool m_bFinRest = true;
    float m_fSpeed = 0.1f;
    float m_fPitchTarget;
    float m_fHeadingTarget;
    float m_fPitch = 0.0f;
    bool m_bEating = false;
    float m_fScaleX = 1.0f, m_fScaleY = 1.0f, m_fScaleZ = 1.0f;
    float m_fHeading = 0.0f;
    int m_nTurnTick = 0;
    bool m_bTurnDone = false;
    bool m_bBodySettled = false;
    int m_nSegAngle[kFishSegments] = {};
    float m_fLastTarget = 0.0f;
    int m_nFinTick;
    float m_fFinLiftA = 0.003f, m_fFinLiftB = 0.003f;
    float m_fWave1Phase = 0.0f;
    int m_nWave1Tick = 0;
    float m_fWave1Step, m_fWave1Amp = 0.01f, m_fWave1Inc;
    float m_fWave2Phase = 0.0f;
    int m_nWave2Tick = 0;
    float m_fWave2Step, m_fWave2Inc;
    float m_fWave3Phase = 0.0f;
    int m_nWave3Tick = 0;
    float m_fWave3Step, m_fWave3Inc;
    float m_vPos[3] = {0.0f, 0.0f, 0.0f};
    bool m_bFacesMinX = false, m_bFacesMaxX = false;
    bool m_bFacesNearZ = false, m_bFacesFarZ = false;
    bool m_bNoseUp = false;
    bool m_bAimsMinX = false, m_bAimsMaxX = false;
    bool m_bAimsNearZ = false, m_bAimsFarZ = false;
    float m_fMinX = 0.0f, m_fMaxX = 0.0f;
    float m_fTop = 0.0f, m_fBottom = 0.0f;
    float m_fFront = 0.0f;
    int m_nWallHit = 0;
    int m_nDecideTick;
    float m_fUnitLength = 0.0f, m_fUnitWidth = 0.0f, m_fUnitHeight = 0.0f;
    float m_boxMax[3] = {}, m_boxMin[3] = {};
    float m_outerMax[3] = {}, m_outerMin[3] = {};
    float m_vHead[3] = {}, m_vTail[3] = {};
    bool m_bTouching = false;
    int m_nSpecies = 0;

private:
    void ComputeSegmentAngles();
    void ComputeFinWaves();
    void ComputePairedFins();
    void ApplySpeciesScale();
    void StepPitch();
    void DecideWander();
    void DrawTwitches();
    void Move();
    void UpdateDirectionFlags();
    void KeepInTank();
    void UpdateHeadTailAndBoxes();
    void ResetPlacementExtents();

    FishPose m_pose;
};

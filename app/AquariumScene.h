#pragma once

#include <QOpenGLWindow>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "app/CToolBarDlg.h"
#include "app/FrameStats.h"
#include "app/TickPacer.h"
#include "app/ToolCursors.h"
#include "app/ToolModes.h"
#include "fish/Fish.h"
#include "fish/FishTank.h"
#include "platform/CoveredWindow.h"
#include "platform/ScreenAsleep.h"
#include "scene/BackgroundMesh.h"
#include "scene/BubbleSystem.h"
#include "scene/FoodPellet.h"
#include "scene/ProbePicking.h"
#include "scene/RippleSurface.h"
#include "scene/Terrain.h"
#include "settings/AquariumSettings.h"

class CCustomMusicDlg;
class CCustomBackgroundDlg;

// How the scene window runs: the size that stands for the screen, and the test/benchmark modes.
struct SceneRunOptions {
    int screenWidth = 1680;
    int screenHeight = 1050;
    long frames = -1;            // stop after this many ticks (-1: run until told)
    std::string screenshotPath;  // saved from the last drawn frame
    bool benchmark = false;      // tick as fast as possible and time every frame
    // Screensaver mode: the pointer is left as it is and every input event goes past the scene
    // to the screensaver's window.
    bool screensaver = false;
};

// Esc's way out: ends the process at once with status 0, without the tear-down.
[[noreturn]] void EndProcessAtOnce();

// The scene window and the world it shows: owns the GL context and every scene object, and is
// driven by a 20 ms tick that advances the whole tank by one step and draws it.
class CAquariumScene : public QOpenGLWindow {
    Q_OBJECT
public:
    explicit CAquariumScene(const SceneRunOptions& options);
    ~CAquariumScene() override;

    // The GL surface the scene asks for: 2.1 compatibility, double-buffered, 24-bit depth.
    static QSurfaceFormat SurfaceFormat();

    // GL set-up, once, before the first tick.
    void InitGL();
    // Tank extents and viewport size from the screen size.
    void SetupTankBounds();
    // One whole frame: every per-frame update and the drawing; ends with the buffer swap.
    bool RenderScene();
    // One step of the tank while nobody can see the window: the world moves on exactly as in a
    // drawn frame (the same random numbers) and nothing is drawn. The tools wait.
    void StepUnseen();
    // The tick: the frame, then the mode switch.
    void OnTimer();
    void OnSize(int cx, int cy);
    // Releases the context and stops the tick.
    void OnDestroy();
    // For a window another program owns, which may be destroyed at any moment: asked before every
    // frame; once it says the window is gone, the scene ends (finished()) without drawing again.
    void SetWindowCheck(std::function<bool()> windowExists);

    // Scene objects and state.
    CBubbleSystem m_Bubbles;
    CTerrain m_Terrain;
    CFish m_Fish[kMaxFish];
    CFoodPellet m_Food[kFoodPelletCount];
    BackgroundMesh m_BackgroundMesh;
    float m_fTankMinX = 0, m_fTankMaxX = 0, m_fTankMaxY = 0, m_fTankMinY = 0, m_fTankMinZ = 0,
          m_fTankMaxZ = 0;
    GLuint m_nBackgroundTex = 0;
    GLuint m_nFishTex[kSpeciesCount] = {};
    int m_nMode = kModeNone;
    std::unique_ptr<CRippleSurface> m_pWater;  // made once by InitGL, kept for the process
    GLuint m_nRippleTex = 0;
    int m_nWidth = 1680, m_nHeight = 1050;
    float m_fEyeZOffset = -5.0f;
    float m_vBubbleSource[3] = {0, 0, 0};
    int m_nScreenMode = 1;
    float m_FishSnapshot[kMaxFish][3] = {};
    int m_nPelletDropCounter = 0;  // frames 0..500 between automatic food drops
    int m_nBubbleCount = 0;        // bubbles shown, from the setting read at start-up

    // The mouse and its tools. Points are in device pixels, y downwards.
    ProbeSweep m_Probes;
    QPoint m_ptMouse;
    bool m_bLButtonDown = false;
    bool m_bFeedClick = false;   // a Feed click waits to be served
    bool m_bProbeClick = false;  // a click was made in the probe test mode
    bool m_bMarkClick = false;   // a click was made in the mark mode
    CToolBarDlg m_ToolBar;
    std::unique_ptr<CCustomMusicDlg> m_pMusicDlg;  // made hidden by InitGL, shown by the menu
    // The modeless Custom Background dialog, made hidden at set-up; null before that.
    std::unique_ptr<CCustomBackgroundDlg> m_pBackgroundDlg;

    void OnLButtonDown(QPoint point);
    void OnLButtonUp(QPoint point);
    void OnMouseMove(QPoint point);
    void OnLButtonDblClk(QPoint point);
    void OnRButtonDown(QPoint point);
    // A command of the menu or the tool bar; false when it is none of the scene's.
    bool OnCommand(int id);
    // The pointer's shape for the mode and the left button.
    void UpdateCursor();
    // Runs the tool bar at the pointer until one of its buttons (or Esc) closes it: the middle
    // button and the T key open it.
    void OpenToolBar();

    // The tools' part of a frame: probes, feeding and the mark (modes Feed, probe test, mark), then
    // the fish pick (Touch, enlarge, shrink). Needs the frame's camera.
    void RunToolStep();
    void PickFish();

    bool glReady() const { return m_bGlReady; }
    long framesDrawn() const { return m_nFramesDrawn; }

signals:
    // The scene is over, its tear-down done: the run asked for by --frames ended, or "  Exit" was
    // chosen.
    void finished();

protected:
    bool event(QEvent* event) override;
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Starts the tick again unless it is running or the scene is over.
    void ReArmTick();
    // True once the window check says the window is gone.
    bool WindowGone();
    // The Custom Music and Custom Background dialogs, centred; they stay open beside the tank.
    void ShowCustomMusicDialog();
    void ShowCustomBackgroundDialog();
    // Whether anyone can see the tank: the window and its frame are on the screen, not minimised
    // or unmapped, and not completely under other windows.
    bool IsSeen() const;
    // An event's position in device pixels, y downwards.
    QPoint DevicePoint(const QMouseEvent* event) const;

    FishTankRefs FishTank();
    // The frame: the step, drawn and swapped when draw is set.
    bool RunFrame(bool draw);
    // Camera, viewport, clear, light and fog of a drawn frame.
    void BeginFrame();
    void DrawBackground(float light);
    void saveScreenshot();

    SceneRunOptions m_options;
    QTimer m_tickTimer;
    TickPacer m_pacer;
    std::unique_ptr<CoveredWindowWatch> m_pCovered;  // from the first frame on
    std::unique_ptr<ScreenSleepWatch> m_pScreenSleep;
    FrameStats m_stats;
    bool m_bGlReady = false;
    bool m_bTornDown = false;
    bool m_bGrabThisFrame = false;
    bool m_bScreenshotSaved = false;
    bool m_bInPaint = false;
    std::function<bool()> m_windowExists;
    bool m_bWindowGone = false;
    long m_nFramesDrawn = 0;
    long m_nTicks = 0;
    std::string m_storageDir;
    // The pointer last set, so that a move that changes nothing does not rebuild it.
    ToolCursorChoice m_shownCursor{PointerLook::Hidden, 0};
    qreal m_shownCursorRatio = 0;
};

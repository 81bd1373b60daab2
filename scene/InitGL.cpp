#include <GL/gl.h>

#include <QOpenGLContext>

#include "app/AquariumScene.h"
#include "app/StartChecks.h"
#include "fish/FishTank.h"
#include "media/CCustomMusicDlg.h"
#include "media/CCustomBackgroundDlg.h"
#include "platform/MessageBox.h"
#include "platform/UserDirectories.h"
#include "scene/FixedGlState.h"
#include "scene/ScreenGeometry.h"
#include "scene/Textures.h"
#include "settings/StorageDirectory.h"

void CAquariumScene::SetupTankBounds() {
    m_nWidth = m_options.screenWidth;
    m_nHeight = m_options.screenHeight;
    const TankBounds b = TankBoundsFor(m_nWidth, m_nHeight);
    m_fTankMinX = b.minX;
    m_fTankMaxX = b.maxX;
    m_fTankMaxY = b.maxY;
    m_fTankMinY = b.minY;
    m_fTankMinZ = b.minZ;
    m_fTankMaxZ = b.maxZ;
}

void CAquariumScene::InitGL() {
    m_nScreenMode = ScreenModeFor(m_options.screenWidth, m_options.screenHeight);
    if (!context() || !context()->isValid())
        EndForMissingOpenGl();  // start-up checked for OpenGL; this window still got none

    ApplyFixedGlState();

    m_storageDir = GetStorageDirectory();
    SetupTankBounds();
    PlaceProbes(m_Probes, m_fTankMinX, m_fTankMaxX, m_fTankMinY, m_fTankMaxY);
    BuildBackgroundMeshPoints(m_BackgroundMesh, m_fTankMinX, m_fTankMaxX, m_fTankMinY, m_fTankMaxY);
    CompileBackgroundMesh(m_BackgroundMesh);

    if (TemporaryDirectory().empty()) {
        ShowMessageBox("Error Find TempPath.", "ERROR");
        return;
    }
    const std::string assetDir = GetAssetDirectory(m_storageDir);

    LoadBuiltInTexture(154, assetDir, "BackGround0", &m_nBackgroundTex, true);
    for (int i = 0; i < kSpeciesCount; ++i)
        LoadBuiltInTexture(10000 + i, assetDir, "fish" + std::to_string(i), &m_nFishTex[i]);

    LoadSettings();

    m_Terrain.Generate(static_cast<int>(m_fTankMaxX - m_fTankMinX), -static_cast<int>(m_fTankMinZ),
                       1, assetDir);

    // The bubbles are run ahead so the streams are already up when the tank opens; the run also
    // leaves the blend function every frame draws with.
    ComputeBubbleSource(m_Terrain.m_nRows, m_fTankMinY, m_fTankMinZ, m_vBubbleSource);
    m_Bubbles.Init(1000);
    m_Bubbles.LoadTexture(assetDir);
    m_Bubbles.SetColoured(false);
    m_nBubbleCount = BubbleCountFromSetting(g_settings.nBubbleSetting);
    m_Bubbles.PreWarm(1000, m_nBubbleCount);
    FishTankRefs tank = FishTank();
    PlaceFish(tank);

    m_nRippleTex = CreateBlankTexture();
    glBindTexture(GL_TEXTURE_2D, m_nRippleTex);

    m_pWater = std::make_unique<CRippleSurface>();
    m_pWater->Init(m_nWidth, m_nHeight);

    for (CFoodPellet& pellet : m_Food)
        pellet.Reset();

    ApplyStartFog();

    // Made once, hidden; from now on its timer runs the playlist and the "On/Off" switch. A
    // screensaver's tank plays nothing and takes no input, so it has none.
    if (!m_options.screensaver) {
        m_pMusicDlg = std::make_unique<CCustomMusicDlg>();
        m_pMusicDlg->hide();
    }
    // Made hidden; it loads its list at once, so saved pictures are shown from the start.
    m_pBackgroundDlg = std::make_unique<CCustomBackgroundDlg>([this] { makeCurrent(); },
                                                              QSize(m_nWidth, m_nHeight));
}

void CAquariumScene::OnSize(int cx, int cy) {
    if (cy == 0)
        cy = 1;
    glViewport(0, 0, cx, cy);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = static_cast<double>(cx) / cy;
    const double top = 0.1 * 0.41421356237;  // tan(22.5 degrees): a 45 degree field of view
    glFrustum(-top * aspect, top * aspect, -top, top, 0.1, 400.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (m_pWater)
        m_pWater->Init(cx, cy);
}

FishTankRefs CAquariumScene::FishTank() {
    return FishTankRefs{m_Fish,      m_Food,      m_FishSnapshot, m_fTankMinX, m_fTankMaxX,
                        m_fTankMinY, m_fTankMaxY, m_fTankMinZ,    m_fTankMaxZ};
}

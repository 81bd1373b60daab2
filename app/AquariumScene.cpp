#include "app/AquariumScene.h"

#include <QImage>
#include <QKeyEvent>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "media/BuiltInMusic.h"
#include "media/CCustomBackgroundDlg.h"
#include "media/CCustomMusicDlg.h"
#include "platform/UserDirectories.h"

namespace {
constexpr int kTickPeriodMs = 20;

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

CAquariumScene::CAquariumScene(const SceneRunOptions& options)
    : QOpenGLWindow(QOpenGLWindow::NoPartialUpdate),
      m_options(options),
      m_pacer(options.benchmark ? 0 : kTickPeriodMs) {
    setFormat(SurfaceFormat());
    if (!options.screensaver)
        setCursor(Qt::BlankCursor);  // no tool chosen: the pointer stays out of the picture
    m_tickTimer.setSingleShot(true);
    m_tickTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_tickTimer, &QTimer::timeout, this, &CAquariumScene::OnTimer);
}

QSurfaceFormat CAquariumScene::SurfaceFormat() {
    QSurfaceFormat format;
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setSwapInterval(0);  // the tick paces the frames
    return format;
}

CAquariumScene::~CAquariumScene() {
    if (!m_bTornDown)
        OnDestroy();
}

void EndProcessAtOnce() {
    std::fflush(nullptr);
    RemovePrivateTemporaryDirectory();
    std::_Exit(0);
}

bool CAquariumScene::event(QEvent* event) {
    if (m_options.screensaver && event->isInputEvent()) {
        event->ignore();
        return false;
    }
    return QOpenGLWindow::event(event);
}

void CAquariumScene::initializeGL() {
    m_nScreenMode = 1;
    InitGL();
    m_pCovered = std::make_unique<CoveredWindowWatch>(this);
    m_pScreenSleep = std::make_unique<ScreenSleepWatch>(this);
    m_bGlReady = true;
    m_tickTimer.start(0);
}

void CAquariumScene::resizeGL(int w, int h) {
    // Qt gives the size in desktop units; GL works in device pixels.
    OnSize(qRound(w * devicePixelRatio()), qRound(h * devicePixelRatio()));
}

void CAquariumScene::paintGL() {
    // An expose redraws the tank, and like every frame that is one step of the simulation.
    if (m_bTornDown || WindowGone())
        return;
    m_bInPaint = true;
    RenderScene();
    m_bInPaint = false;
}

void CAquariumScene::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        EndProcessAtOnce();
    }
    if (event->key() == Qt::Key_T && !event->isAutoRepeat()) {
        OpenToolBar();
        return;
    }
    QOpenGLWindow::keyPressEvent(event);
}

void CAquariumScene::OnTimer() {
    if (m_bTornDown)
        return;
    if (WindowGone()) {
        OnDestroy();
        emit finished();
        return;
    }
    const int64_t start = NowMs();
    m_pacer.tickStarted(start);
    ++m_nTicks;
    const bool last = m_options.frames >= 0 && m_nTicks >= m_options.frames;
    m_bGrabThisFrame = last && !m_options.screenshotPath.empty();

    const auto t0 = std::chrono::steady_clock::now();
    // Minimised, on another desktop, fully covered, unmapped or on a blanked or switched-off
    // screen: the tank keeps its pace and moves on, but draws nothing nobody would see. Showing
    // it again brings an expose, or the screen's waking is seen within a quarter of a second,
    // and the next tick paints a whole frame.
    if (IsSeen()) {
        makeCurrent();
        RenderScene();
    } else {
        StepUnseen();
    }
    const auto t1 = std::chrono::steady_clock::now();
    if (m_options.benchmark)
        m_stats.add(std::chrono::duration<double, std::milli>(t1 - t0).count());
    // Own music or the built-in tune, never both; a screensaver's tank is silent.
    if (!m_options.screensaver)
        RunMusicStep();
    // The tool chosen on the tool bar is the tool in use from now on.
    m_nMode = m_ToolBar.m_nMode;

    if (last) {
        OnDestroy();
        emit finished();
        return;
    }
    // Ticks that would have piled up during a slow frame are dropped, not caught up.
    m_tickTimer.start(static_cast<int>(m_pacer.delayAfterTick(NowMs())));
}

bool CAquariumScene::IsSeen() const {
    // An embedded window keeps counting as exposed when its frame is unmapped or minimised.
    const QWindow* top = this;
    while (top->parent())
        top = top->parent();
    return isExposed() && top->isExposed() && !(m_pCovered && m_pCovered->covered()) &&
           !(m_pScreenSleep && m_pScreenSleep->asleep());
}

void CAquariumScene::ReArmTick() {
    if (!m_bTornDown && m_bGlReady && !m_tickTimer.isActive())
        m_tickTimer.start(m_pacer.periodMs());
}

void CAquariumScene::SetWindowCheck(std::function<bool()> windowExists) {
    m_windowExists = std::move(windowExists);
}

bool CAquariumScene::WindowGone() {
    if (!m_bWindowGone && m_windowExists && !m_windowExists())
        m_bWindowGone = true;
    return m_bWindowGone;
}

void CAquariumScene::OnDestroy() {
    if (m_bTornDown)
        return;
    m_bTornDown = true;
    m_tickTimer.stop();
    if (m_options.benchmark) {
        const double cpu = static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
        std::printf("%s\n", m_stats.summary(cpu).c_str());
        std::fflush(stdout);
    }
    if (!m_bScreenshotSaved && !m_options.screenshotPath.empty() && m_bGlReady && isValid() &&
        !WindowGone()) {
        // Ended some other way than a --frames run ("  Exit"). What is on the screen cannot be read
        // back everywhere (software GL leaves the front buffer black), so the tank is drawn once
        // more and read back before it would be shown.
        makeCurrent();
        m_bGrabThisFrame = true;
        m_bInPaint = true;
        RenderScene();
        m_bInPaint = false;
    }
    if (isValid())
        doneCurrent();
    m_pMusicDlg.reset();
    m_pBackgroundDlg.reset();
}

void CAquariumScene::saveScreenshot() {
    m_bScreenshotSaved = true;
    const int w = m_nWidth, h = m_nHeight;
    QImage image(w, h, QImage::Format_RGBA8888);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    image = image.mirrored().convertToFormat(QImage::Format_RGB888);
    if (!image.save(QString::fromStdString(m_options.screenshotPath), "PNG"))
        std::fprintf(stderr, "merowfish: cannot save the screenshot to %s\n",
                     m_options.screenshotPath.c_str());
}

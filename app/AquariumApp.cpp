#include "app/AquariumApp.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/MainFrame.h"
#include "app/StartChecks.h"
#include "platform/SingleInstance.h"
#include "settings/StorageDirectory.h"

namespace {
// One aquarium at a time: both locks are held until the process ends. False when another
// aquarium holds one. A lock that cannot be made at all is reported once and the aquarium runs.
bool TakeSingleInstanceLocks() {
    static NamedLock firstLock("FirstMyProject_Merow");
    static NamedLock appLock("MerowFishScr");
    bool reported = false;
    for (NamedLock* lock : {&firstLock, &appLock}) {
        const LockResult result = lock->acquire();
        if (result == LockResult::HeldByAnother)
            return false;
        if (result == LockResult::Unavailable && !reported) {
            reported = true;
            std::fprintf(stderr,
                         "merowfish: cannot make the single-instance lock in \"%s\" (%s); "
                         "running without it\n",
                         LockDirectory().c_str(), lock->error().c_str());
        }
    }
    return true;
}
}  // namespace

int CAquariumApp::Run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const ParseResult parsed = ParseCommandLine(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "%s\n", parsed.error.c_str());
        return 2;
    }
    const CommandLineOptions& options = parsed.options;
    if (options.help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("merowfish %s\n", MEROW_VERSION);
        return 0;
    }

    if (!TakeSingleInstanceLocks())
        return 0;

    if (!options.storageDir.empty())
        SetStorageDirectoryOverride(options.storageDir);

    // No display or no OpenGL ends here with one line and status 1; Qt's own start-up messages
    // are passed on only once both are known to work.
    HeldQtMessages heldMessages;
    QApplication app(argc, argv);
    QApplication::setApplicationName("MerowFishScr");
    if (!CanMakeGlContext(CAquariumScene::SurfaceFormat()))
        EndForMissingOpenGl();
    heldMessages.passOn();

    // The tank is drawn in device pixels: on a scaled desktop a screen (or window) of W x H desktop
    // units has W x H times the scale in pixels, and the tank follows the pixels.
    SceneRunOptions run;
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry = options.windowed()
                               ? QRect(0, 0, options.windowWidth, options.windowHeight)
                               : screen->geometry();
    run.screenWidth = qRound(geometry.width() * screen->devicePixelRatio());
    run.screenHeight = qRound(geometry.height() * screen->devicePixelRatio());
    run.frames = options.frames;
    run.screenshotPath = options.screenshotPath;
    run.benchmark = options.benchmark;

    CMainFrame frame(run, options.windowed());
    // The frame gets its size before it is shown: an unsized frameless window may never map.
    if (options.windowed()) {
        frame.resize(options.windowWidth, options.windowHeight);
    } else {
        frame.setGeometry(geometry);
    }
    if (CAquariumScene* scene = frame.scene())
        QObject::connect(scene, &CAquariumScene::finished, &app, [] { QApplication::exit(0); });
    frame.show();
    if (!options.windowed())
        frame.showFullScreen();
    frame.setFocus();
    app.exec();
    return 0;
}

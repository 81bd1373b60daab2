#include "app/AquariumApp.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <cstdio>
#include <string>
#include <vector>

#include "app/AquariumScene.h"
#include "app/CommandLine.h"
#include "app/FullScreenRun.h"
#include "app/ScreenChoice.h"
#include "app/ScreensaverRun.h"
#include "app/StartChecks.h"
#include "platform/MessageBox.h"
#include "platform/SingleInstance.h"
#include "scene/PlainPictures.h"
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

// --help: the options, then the screens --screen can choose (when a display can be opened).
int ShowHelp(int argc, char** argv) {
    std::fputs(UsageText().c_str(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
    HeldQtMessages heldMessages(0);
    QGuiApplication app(argc, argv);
    std::fputs(ScreenListText().c_str(), stdout);
    return 0;
}

// The program's icon for its windows, at every size the generator drew it.
QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = PlainPicturePath(("merowfish-" + std::to_string(size)).c_str());
        if (!QImage(path).isNull())
            icon.addFile(path, QSize(size, size));
    }
    return icon;
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
    if (options.help)
        return ShowHelp(argc, argv);
    if (options.version) {
        std::printf("merowfish %s\n", MEROW_VERSION);
        return 0;
    }

    if (options.screensaver()) {
        // A screensaver runs one aquarium per screen and may end it at any time: no locks, the
        // settings only read, and no message box over the screensaver.
        SetSettingsReadOnly(true);
        TurnOffMessageBoxes();
    } else if (!TakeSingleInstanceLocks()) {
        return 0;
    }

    if (!options.storageDir.empty())
        SetStorageDirectoryOverride(options.storageDir);

    // No display or no OpenGL ends here with one line and status 1; Qt's own start-up messages
    // are passed on only once both are known to work.
    HeldQtMessages heldMessages;
    QApplication app(argc, argv);
    QApplication::setApplicationName("MerowFishScr");
    QGuiApplication::setDesktopFileName("merowfish");
    if (!CanMakeGlContext(CAquariumScene::SurfaceFormat()))
        EndForMissingOpenGl();
    heldMessages.passOn();
    QApplication::setWindowIcon(AppIcon());

    SceneRunOptions run;
    run.frames = options.frames;
    run.screenshotPath = options.screenshotPath;
    run.benchmark = options.benchmark;
    return options.screensaver() ? RunInScreensaverWindow(options, run)
                                 : RunFullScreen(options, run);
}

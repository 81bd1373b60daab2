#include "app/FullScreenRun.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>

#include "app/AquariumScene.h"
#include "app/CommandLine.h"
#include "app/MainFrame.h"
#include "app/ScreenChoice.h"
#include "platform/TerminationSignals.h"

int RunFullScreen(const CommandLineOptions& options, SceneRunOptions run) {
    QScreen* screen = ChooseScreen(options.screen);
    if (!screen) {
        std::fprintf(stderr,
                     "merowfish: there is no screen %d (the screens are 0 to %d; see --help)\n",
                     options.screen, static_cast<int>(QGuiApplication::screens().size()) - 1);
        return 2;
    }
    // The tank is drawn in device pixels: on a scaled desktop a screen (or window) of W x H desktop
    // units has W x H times the scale in pixels, and the tank follows the pixels.
    const QRect geometry = options.windowed()
                               ? QRect(0, 0, options.windowWidth, options.windowHeight)
                               : screen->geometry();
    run.screenWidth = qRound(geometry.width() * screen->devicePixelRatio());
    run.screenHeight = qRound(geometry.height() * screen->devicePixelRatio());

    CMainFrame frame(run, options.windowed());
    frame.setScreen(screen);
    // The frame gets its size before it is shown: an unsized frameless window may never map.
    if (!options.windowed()) {
        frame.setGeometry(geometry);
    } else {
        frame.resize(options.windowWidth, options.windowHeight);
        if (options.screen >= 0)
            frame.move(screen->geometry().center() - frame.rect().center());
    }
    CAquariumScene* scene = frame.scene();
    if (scene)
        QObject::connect(scene, &CAquariumScene::finished, [] { QApplication::exit(0); });
    // SIGTERM, SIGINT and SIGHUP end the aquarium the way "  Exit" does: the tear-down, then
    // status 0.
    WatchTerminationSignals([scene] {
        if (scene)
            scene->OnDestroy();
        QApplication::exit(0);
    });
    frame.show();
    if (!options.windowed())
        frame.showFullScreen();
    frame.setFocus();
    QApplication::exec();
    return 0;
}

#include "app/ScreensaverRun.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/AquariumScene.h"
#include "app/CommandLine.h"
#include "app/StartChecks.h"
#include "platform/TerminationSignals.h"
#include "platform/X11Window.h"

namespace {
constexpr int kSizeCheckMs = 250;

// -window-id ID; for -root the screensaver's own window when it names one, else the root window.
unsigned long TargetWindow(const CommandLineOptions& options, bool* onRoot) {
    *onRoot = false;
    if (options.windowId)
        return options.windowId;
    unsigned long id = 0;
    const char* fromScreensaver = std::getenv("XSCREENSAVER_WINDOW");
    if (fromScreensaver && ParseWindowId(fromScreensaver, &id))
        return id;
    *onRoot = true;
    return X11RootWindow();
}

QSize DesktopUnits(QSize pixels, qreal ratio) {
    return QSize(qMax(1, qRound(pixels.width() / ratio)), qMax(1, qRound(pixels.height() / ratio)));
}
}  // namespace

int RunInScreensaverWindow(const CommandLineOptions& options, SceneRunOptions run) {
    if (!OnX11Display()) {
        std::fprintf(stderr, "merowfish: -root and -window-id need an X11 display (%s)\n",
                     DisplayDescription().c_str());
        return 1;
    }
    bool onRoot = false;
    const unsigned long target = TargetWindow(options, &onRoot);
    const std::optional<QSize> pixels = X11WindowSize(target);
    if (!pixels) {
        std::fprintf(stderr, "merowfish: there is no window 0x%lx on the display (%s)\n", target,
                     DisplayDescription().c_str());
        return 1;
    }

    // The window's pixels stand for the screen: the tank is laid out for that size.
    run.screenWidth = pixels->width();
    run.screenHeight = pixels->height();
    run.screensaver = true;
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();

    std::unique_ptr<QWindow> host(QWindow::fromWinId(static_cast<WId>(target)));
    auto scene = std::make_unique<CAquariumScene>(run);
    scene->setParent(host.get());
    // Clicks and keys reach the screensaver's window, not the tank.
    Qt::WindowFlags flags = Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus;
    if (onRoot)
        flags |= Qt::BypassWindowManagerHint;  // a child of the root is no window to manage
    scene->setFlags(scene->flags() | flags);
    scene->setGeometry(QRect(QPoint(0, 0), DesktopUnits(*pixels, ratio)));

    auto end = [&scene] {
        scene->OnDestroy();
        QGuiApplication::exit(0);
    };
    WatchTerminationSignals(end);
    QObject::connect(scene.get(), &CAquariumScene::finished, [] { QGuiApplication::exit(0); });
    // Not one frame on a window that is gone: software GL would draw at a nonsense size.
    scene->SetWindowCheck([target] { return X11WindowSize(target).has_value(); });

    // The screensaver may resize its window (a preview in a settings dialog) or take it away.
    QTimer sizeCheck;
    QObject::connect(&sizeCheck, &QTimer::timeout, [&] {
        const std::optional<QSize> now = X11WindowSize(target);
        if (!now)
            return end();
        const QSize units = DesktopUnits(*now, ratio);
        if (units != scene->size())
            scene->resize(units);
    });
    sizeCheck.start(kSizeCheckMs);

    scene->show();
    if (onRoot)
        scene->lower();  // on the desktop: under every other window
    QGuiApplication::exec();
    return 0;
}

#pragma once

#include <QApplication>

// Ensures a QApplication exists for tests of widgets (platform from QT_QPA_PLATFORM; offscreen
// when there is no display at all). It lives for the whole test process.
inline QApplication* EnsureWidgetApplication() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return app;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "merowtest";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
}

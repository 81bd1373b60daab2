#pragma once

#include <memory>

class QOpenGLContext;
class QOffscreenSurface;

// A real compatibility-profile GL context for tests that draw (run them under Xvfb). Creates the
// QGuiApplication on first use. available() is false when no display or GL is there.
class GlTestContext {
public:
    GlTestContext();
    ~GlTestContext();
    bool available() const { return m_ok; }
    void makeCurrent();

private:
    std::unique_ptr<QOffscreenSurface> m_surface;
    std::unique_ptr<QOpenGLContext> m_context;
    bool m_ok = false;
};

// Ensures a QGuiApplication exists for the test process (platform from QT_QPA_PLATFORM).
void EnsureGuiApplication();

// Skips the current test when no GL context can be made.
#define MEROW_REQUIRE_GL(ctx)                        \
    do {                                             \
        if (!(ctx).available())                      \
            GTEST_SKIP() << "no GL context (Xvfb?)"; \
        (ctx).makeCurrent();                         \
    } while (0)

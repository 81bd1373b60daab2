#include "support/GlTestContext.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

void EnsureGuiApplication() {
    if (QGuiApplication::instance())
        return;
    // With no display at all, use the offscreen platform: it has no GL, so GL tests skip
    // instead of the process aborting in the windowing plugin.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char* argv[] = {const_cast<char*>("merowtest"), nullptr};
    new QGuiApplication(argc, argv);  // lives for the whole test process
}

GlTestContext::GlTestContext() {
    EnsureGuiApplication();
    QSurfaceFormat format;
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    m_context = std::make_unique<QOpenGLContext>();
    m_context->setFormat(format);
    if (!m_context->create())
        return;
    m_surface = std::make_unique<QOffscreenSurface>();
    m_surface->setFormat(m_context->format());
    m_surface->create();
    m_ok = m_surface->isValid() && m_context->makeCurrent(m_surface.get());
}

GlTestContext::~GlTestContext() {
    if (m_context)
        m_context->doneCurrent();
}

void GlTestContext::makeCurrent() {
    if (m_ok)
        m_context->makeCurrent(m_surface.get());
}

#include "platform/CoveredWindow.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>

#include "platform/X11Window.h"

class CoveredWindowWatch::Filter : public QAbstractNativeEventFilter {
public:
    explicit Filter(QWindow* window) {
        xcb_connection_t* c = QtX11Connection();
        if (!c)
            return;
        // Qt does not ask the server for visibility changes: add them to the window's events.
        m_window = static_cast<xcb_window_t>(window->winId());
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, m_window), nullptr);
        if (!attributes)
            return;
        const uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
        free(attributes);
        xcb_change_window_attributes(c, m_window, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c);
        qGuiApp->installNativeEventFilter(this);
    }
    ~Filter() override {
        if (qGuiApp)
            qGuiApp->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_VISIBILITY_NOTIFY)
            return false;
        const auto* visibility = static_cast<const xcb_visibility_notify_event_t*>(message);
        if (visibility->window != m_window)
            return false;
        m_covered = visibility->state == XCB_VISIBILITY_FULLY_OBSCURED;
        return false;  // Qt may look at it too
    }

    bool m_covered = false;

private:
    xcb_window_t m_window = 0;
};

CoveredWindowWatch::CoveredWindowWatch(QWindow* window)
    : m_filter(std::make_unique<Filter>(window)) {}

CoveredWindowWatch::~CoveredWindowWatch() = default;

bool CoveredWindowWatch::covered() const {
    return m_filter->m_covered;
}

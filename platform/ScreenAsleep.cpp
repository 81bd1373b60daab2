#include "platform/ScreenAsleep.h"

#include <xcb/dpms.h>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QWindow>
#include <cstdlib>

#include "platform/X11Window.h"

namespace {
// How stale the answer may get: the time a woken screen may go on showing the last frame.
constexpr qint64 kAskEveryMs = 250;
}  // namespace

class ScreenSleepWatch::Server {
public:
    explicit Server(QWindow* window) {
        m_c = QtX11Connection();
        if (!m_c)
            return;
        const xcb_query_extension_reply_t* saver = xcb_get_extension_data(m_c, &xcb_screensaver_id);
        const xcb_query_extension_reply_t* dpms = xcb_get_extension_data(m_c, &xcb_dpms_id);
        m_hasSaver = saver && saver->present;
        m_hasDpms = dpms && dpms->present;
        if (xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(
                m_c, xcb_get_geometry(m_c, static_cast<xcb_window_t>(window->winId())), nullptr)) {
            m_root = geometry->root;
            free(geometry);
        }
        if (!m_root)
            m_hasSaver = false;
    }
    ~Server() {
        // Answers still on their way are dropped, not waited for.
        if (m_waiting && m_hasSaver)
            xcb_discard_reply(m_c, m_saverQuestion.sequence);
        if (m_waiting && m_hasDpms)
            xcb_discard_reply(m_c, m_dpmsQuestion.sequence);
    }

    bool Asleep() {
        if (!m_hasSaver && !m_hasDpms)
            return false;
        if (m_asked.isValid() && m_asked.elapsed() < kAskEveryMs)
            return m_asleep;
        // The answers to the last questions came long ago; read them, then ask again.
        Collect();
        if (m_hasSaver)
            m_saverQuestion = xcb_screensaver_query_info(m_c, m_root);
        if (m_hasDpms)
            m_dpmsQuestion = xcb_dpms_info(m_c);
        m_waiting = true;
        xcb_flush(m_c);
        m_asked.start();
        return m_asleep;
    }

private:
    void Collect() {
        if (!m_waiting)
            return;
        m_waiting = false;
        bool blanked = false, off = false;
        if (m_hasSaver) {
            if (xcb_screensaver_query_info_reply_t* saver =
                    xcb_screensaver_query_info_reply(m_c, m_saverQuestion, nullptr)) {
                // A saver that draws in a window covers the tank, which hears of that anyway;
                // an external one may be drawn by this very program.
                blanked = saver->state == XCB_SCREENSAVER_STATE_ON &&
                          saver->kind == XCB_SCREENSAVER_KIND_BLANKED;
                free(saver);
            }
        }
        if (m_hasDpms) {
            if (xcb_dpms_info_reply_t* dpms = xcb_dpms_info_reply(m_c, m_dpmsQuestion, nullptr)) {
                off = dpms->state && dpms->power_level != XCB_DPMS_DPMS_MODE_ON;
                free(dpms);
            }
        }
        m_asleep = blanked || off;
    }

    xcb_connection_t* m_c = nullptr;
    xcb_window_t m_root = 0;
    bool m_hasSaver = false, m_hasDpms = false;
    bool m_waiting = false, m_asleep = false;
    xcb_screensaver_query_info_cookie_t m_saverQuestion{};
    xcb_dpms_info_cookie_t m_dpmsQuestion{};
    QElapsedTimer m_asked;
};

ScreenSleepWatch::ScreenSleepWatch(QWindow* window) : m_server(std::make_unique<Server>(window)) {}

ScreenSleepWatch::~ScreenSleepWatch() = default;

bool ScreenSleepWatch::asleep() {
    return m_server->Asleep();
}

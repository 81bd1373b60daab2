#include "app/StartChecks.h"

#include <QOpenGLContext>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/UserDirectories.h"

namespace {
std::vector<std::pair<QtMsgType, QString>> g_held;
QtMessageHandler g_previous = nullptr;
int g_fatalStatus = 1;

void SayLine(const std::string& line) {
    std::fprintf(stderr, "merowfish: %s\n", line.c_str());
    std::fflush(nullptr);
}

// Skips Qt's clean-up: after a failed start Qt is half made, and tearing it down can crash.
[[noreturn]] void EndWithStatus(int status) {
    RemovePrivateTemporaryDirectory();
    std::_Exit(status);
}

void HoldMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        SayLine("cannot open the display (" + DisplayDescription() + ")");
        EndWithStatus(g_fatalStatus);
    }
    g_held.emplace_back(type, text);
}

void AddVariable(const char* name, std::string* out) {
    const char* value = std::getenv(name);
    if (!value || !*value)
        return;
    if (!out->empty())
        *out += ", ";
    *out += std::string(name) + "=" + value;
}
}  // namespace

HeldQtMessages::HeldQtMessages(int fatalStatus) {
    g_fatalStatus = fatalStatus;
    g_previous = qInstallMessageHandler(HoldMessage);
}

HeldQtMessages::~HeldQtMessages() {
    if (m_holding)
        qInstallMessageHandler(g_previous);
    g_held.clear();
}

void HeldQtMessages::passOn() {
    if (!m_holding)
        return;
    m_holding = false;
    qInstallMessageHandler(g_previous);
    for (const auto& [type, text] : g_held)
        qt_message_output(type, QMessageLogContext(), text);
    g_held.clear();
}

std::string DisplayDescription() {
    std::string what;
    AddVariable("DISPLAY", &what);
    AddVariable("WAYLAND_DISPLAY", &what);
    if (what.empty())
        what = "DISPLAY is not set";
    AddVariable("QT_QPA_PLATFORM", &what);
    return what;
}

bool CanMakeGlContext(const QSurfaceFormat& format) {
    QOpenGLContext probe;
    probe.setFormat(format);
    return probe.create() && probe.isValid();
}

void EndForMissingOpenGl() {
    SayLine("cannot create an OpenGL context on the display (" + DisplayDescription() + ")");
    if (CanShowMessageBoxes())
        ShowMessageBox("ChoosePixelFormat failed");
    EndWithStatus(1);
}

#pragma once

#include <QString>
#include <functional>

class QObject;

// How handing an address to the desktop's handler ended.
enum class DesktopOpenOutcome {
    Opened,     // the handler took the address
    NoHandler,  // no handler for the address, or none of the desktop's tools is installed
    NotFound,   // the address names a local file that does not exist
    Failed,     // the handler failed otherwise; `status` holds its exit status
};

struct DesktopOpenResult {
    DesktopOpenOutcome outcome;
    int status;  // the handler's exit status; 0 when it never ran, -1 when it crashed
};

// Asks the desktop to open `address` (a web address, or a file) with the user's preferred
// program, without blocking: `done` runs later on the calling thread, once, unless `context` is
// gone by then. A handler still running after a moment has taken the address and counts as opened.
void OpenWithDesktop(const QString& address, QObject* context,
                     std::function<void(DesktopOpenResult)> done);

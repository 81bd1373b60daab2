#include "platform/DesktopOpen.h"

#include <QFileInfo>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

// Some handlers stay in the foreground until the browser they started exits.
constexpr int kStillRunningMs = 3000;

// xdg-open's documented exit statuses.
constexpr int kXdgFileMissing = 2;
constexpr int kXdgToolMissing = 3;

DesktopOpenResult FromExitStatus(int status) {
    switch (status) {
        case 0:
            return {DesktopOpenOutcome::Opened, 0};
        case kXdgFileMissing:
            return {DesktopOpenOutcome::NotFound, status};
        case kXdgToolMissing:
            return {DesktopOpenOutcome::NoHandler, status};
        default:
            return {DesktopOpenOutcome::Failed, status};
    }
}

}  // namespace

void OpenWithDesktop(const QString& address, QObject* context,
                     std::function<void(DesktopOpenResult)> done) {
    // Reports at most once, and never to a context that is gone.
    auto report = [context = QPointer<QObject>(context), done = std::move(done),
                   reported = std::make_shared<bool>(false)](DesktopOpenResult result) {
        if (*reported || !context)
            return;
        *reported = true;
        done(result);
    };
    auto reportLater = [context, report](DesktopOpenResult result) {
        QTimer::singleShot(0, context, [report, result] { report(result); });
    };

    const QUrl url(address);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return reportLater({DesktopOpenOutcome::NotFound, 0});
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    if (opener.isEmpty())
        return reportLater({DesktopOpenOutcome::NoHandler, 0});

    // No parent: a running handler must outlive the widget that asked (deleting a QProcess
    // kills its process); it deletes itself when it ends.
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process,
                     [process, report](int status, QProcess::ExitStatus how) {
                         // A handler that crashed has no exit status of its own.
                         report(how == QProcess::NormalExit
                                    ? FromExitStatus(status)
                                    : DesktopOpenResult{DesktopOpenOutcome::Failed, -1});
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, report](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         report({DesktopOpenOutcome::NoHandler, 0});
                         process->deleteLater();
                     });
    QTimer::singleShot(kStillRunningMs, context, [report] {
        report({DesktopOpenOutcome::Opened, 0});
    });
    process->start(opener, {address});
}

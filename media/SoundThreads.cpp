#include "media/SoundThreads.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QThread>
#include <cstdlib>
#include <mutex>

namespace {

constexpr int kStopWaitMs = 3000;

// Never destroyed: a thread still busy when the process ends must not take it down with it.
QThread* g_threads[2] = {};
std::mutex g_threadsLock;
QtMessageHandler g_previousHandler = nullptr;

// With no sound server, Qt's sound layer says so in words meant for its developers; the tank
// plays silently instead, which needs no remark.
void QuietSoundServerMessages(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
    if (type == QtWarningMsg && (message.startsWith(QLatin1String("PulseAudioService:")) ||
                                 message == QLatin1String("No audio device detected")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    else
        qt_message_output(type, context, message);
}

void StopAtExit() {
    StopSoundThreads();
}

}  // namespace

QThread* SoundThreadFor(SoundThread which) {
    std::lock_guard<std::mutex> lock(g_threadsLock);
    QThread*& thread = g_threads[which == SoundThread::Tune ? 0 : 1];
    if (!thread) {
        static const bool once = [] {
            QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
            g_previousHandler = qInstallMessageHandler(QuietSoundServerMessages);
            qAddPostRoutine(StopAtExit);
            std::atexit(StopAtExit);
            return true;
        }();
        (void)once;
        thread = new QThread;
        thread->setObjectName(which == SoundThread::Tune ? "merow-tune" : "merow-music");
        QObject::connect(thread, &QThread::started, thread, InitSoundBackendOnce,
                         Qt::DirectConnection);
        thread->start();
    }
    return thread;
}

void InitSoundBackendOnce() {
    static std::once_flag once;
    std::call_once(once, [] { QMediaDevices::defaultAudioOutput(); });
}

void StopSoundThreads() {
    std::lock_guard<std::mutex> lock(g_threadsLock);
    for (QThread* thread : g_threads) {
        if (thread && thread->isRunning()) {
            thread->quit();
            thread->wait(kStopWaitMs);
        }
    }
}

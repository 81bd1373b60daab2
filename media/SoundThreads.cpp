#include "media/SoundThreads.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QThread>
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

}  // namespace

QThread* SoundThreadFor(SoundThread which) {
    std::lock_guard<std::mutex> lock(g_threadsLock);
    QThread*& thread = g_threads[which == SoundThread::Tune ? 0 : 1];
    if (!thread) {
        static const bool once = [] {
            // Where no sound server runs, GStreamer would try OpenAL's sink before settling on a
            // silent one, and OpenAL fills the terminal with the sound library's complaints.
            if (qEnvironmentVariableIsEmpty("GST_PLUGIN_FEATURE_RANK"))
                qputenv("GST_PLUGIN_FEATURE_RANK", "openalsink:NONE");
            QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
            g_previousHandler = qInstallMessageHandler(QuietSoundServerMessages);
            qAddPostRoutine(StopSoundThreads);
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

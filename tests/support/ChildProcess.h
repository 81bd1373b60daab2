#pragma once

#include <QProcess>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// A program started by a test; its output is stdout and stderr merged.
class ChildProcess {
public:
    // extraEnv entries "NAME=value" set a variable; a bare "NAME" removes it.
    static ChildProcess Start(const std::string& program, const std::vector<std::string>& args,
                              const std::vector<std::string>& extraEnv) {
        ChildProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const std::string& entry : extraEnv) {
            const QString e = QString::fromStdString(entry);
            const auto eq = e.indexOf('=');
            eq < 0 ? env.remove(e) : env.insert(e.left(eq), e.mid(eq + 1));
        }
        QStringList list;
        for (const std::string& a : args)
            list << QString::fromStdString(a);
        child.m_process->setProcessEnvironment(env);
        child.m_process->setProcessChannelMode(QProcess::MergedChannels);
        child.m_process->start(QString::fromStdString(program), list);
        child.m_process->waitForStarted(10000);
        return child;
    }
    ChildProcess(ChildProcess&&) noexcept = default;  // one still running is killed at the end

    // Exit status; -1 when it did not end within timeoutMs (it is then killed) or died of a
    // signal, and Output() then ends with a line that says which; -2 when it never started.
    int Wait(int timeoutMs) {
        if (m_process->error() == QProcess::FailedToStart)
            return -2;
        if (!m_process->waitForFinished(timeoutMs) && Running()) {
            Kill();
            m_process->waitForFinished(5000);
            NoteEnd("still running after " + std::to_string(timeoutMs) + " ms: killed");
            return -1;
        }
        if (m_process->exitStatus() == QProcess::NormalExit)
            return m_process->exitCode();
        NoteEnd("died of signal " + std::to_string(m_process->exitCode()));
        return -1;
    }
    bool Running() const { return m_process->state() == QProcess::Running; }
    void Kill() { m_process->kill(); }
    long long Pid() const { return m_process->processId(); }
    std::string Output() { return m_output += m_process->readAll().toStdString(); }

private:
    ChildProcess() = default;
    // A last line of output that says why there is no exit status.
    void NoteEnd(const std::string& why) {
        Output();
        if (!m_output.empty() && m_output.back() != '\n')
            m_output += '\n';
        m_output += "[" + why + "]\n";
    }
    std::unique_ptr<QProcess> m_process = std::make_unique<QProcess>();
    std::string m_output;
};

// Variables that keep a started program's settings, locks, caches and temporary files in `home`
// (a private folder, with a trailing '/'), with message boxes off; `more` follow.
inline std::vector<std::string> IsolatedEnvironment(const std::string& home,
                                                    std::vector<std::string> more = {}) {
    more.insert(
        more.begin(),
        {"HOME=" + home, "XDG_CONFIG_HOME=" + home + "config", "XDG_CACHE_HOME=" + home + "cache",
         "XDG_RUNTIME_DIR=" + home, "TMPDIR=" + home, "MEROW_NO_MESSAGEBOX=1",
         "ASAN_OPTIONS=detect_leaks=0", "QT_LOGGING_RULES=qt.multimedia*=false"});
    return more;
}

// Polls until the file exists.
inline bool WaitForFile(const std::string& path, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!std::filesystem::exists(path)) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

#include "support/ChildProcess.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <filesystem>
#include <thread>

ChildProcess::ChildProcess() : m_process(std::make_unique<QProcess>()) {}
ChildProcess::ChildProcess(ChildProcess&&) noexcept = default;

ChildProcess::~ChildProcess() {
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(5000);
    }
}

ChildProcess ChildProcess::Start(const std::string& program, const std::vector<std::string>& args,
                                 const std::vector<std::string>& extraEnv) {
    ChildProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const std::string& entry : extraEnv) {
        const auto eq = entry.find('=');
        env.insert(QString::fromStdString(entry.substr(0, eq)),
                   QString::fromStdString(entry.substr(eq + 1)));
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

int ChildProcess::Wait(int timeoutMs) {
    if (!m_process->waitForFinished(timeoutMs) && m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(5000);
        return -1;
    }
    if (m_process->exitStatus() != QProcess::NormalExit)
        return -1;
    return m_process->exitCode();
}

bool ChildProcess::Running() const {
    return m_process->state() == QProcess::Running;
}

void ChildProcess::Kill() {
    m_process->kill();
}

long long ChildProcess::Pid() const {
    return m_process->processId();
}

std::string ChildProcess::Output() {
    m_output += m_process->readAll().toStdString();
    return m_output;
}

bool WaitForFile(const std::string& path, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        if (std::filesystem::exists(path))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

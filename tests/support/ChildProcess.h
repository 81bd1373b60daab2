#pragma once

#include <memory>
#include <string>
#include <vector>

class QProcess;

// A program started by a test, with its own environment additions; output is stdout and stderr
// merged.
class ChildProcess {
public:
    static ChildProcess Start(const std::string& program, const std::vector<std::string>& args,
                              const std::vector<std::string>& extraEnv);
    ChildProcess(ChildProcess&&) noexcept;
    ~ChildProcess();

    // Exit status, or -1 when it did not end within timeoutMs (it is then killed).
    int Wait(int timeoutMs);
    bool Running() const;
    void Kill();
    long long Pid() const;
    std::string Output();

private:
    ChildProcess();
    std::unique_ptr<QProcess> m_process;
    std::string m_output;
};

// Polls until the file exists.
bool WaitForFile(const std::string& path, int timeoutMs);

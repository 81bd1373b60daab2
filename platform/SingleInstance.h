#pragma once

#include <string>

// What trying to take a named lock found.
enum class LockResult {
    Acquired,       // this process now holds it
    HeldByAnother,  // another live process holds it
    Unavailable,    // the lock file cannot be made or locked (see NamedLock::error)
};

// A named lock held for the life of the process; stands in for a named mutex. The system drops it
// when the process ends, however it ends, so a lock left by a killed process is taken over.
class NamedLock {
public:
    explicit NamedLock(const std::string& name);
    ~NamedLock();
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;

    LockResult acquire();
    const std::string& path() const { return m_path; }
    // Why the lock is Unavailable (the system's words).
    const std::string& error() const { return m_error; }

private:
    std::string m_path;
    std::string m_error;
    int m_fd = -1;
};

// Where the named locks live: the runtime directory ($XDG_RUNTIME_DIR), or the temporary
// directory when there is none.
std::string LockDirectory();

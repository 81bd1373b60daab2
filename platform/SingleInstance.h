#pragma once

#include <memory>
#include <string>

class QLockFile;

// A named lock held for the life of the process; stands in for a named mutex. A lock left behind
// by a killed process is taken over.
class NamedLock {
public:
    explicit NamedLock(const std::string& name);
    ~NamedLock();
    // True when this process now holds the lock; false when another live process holds it.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

// Where the named locks live (the runtime directory, or the temporary directory).
std::string LockDirectory();

#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/UserDirectories.h"

namespace {
bool HaveRuntimeDirectory() {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    return dir && *dir;
}
}  // namespace

std::string LockDirectory() {
    return HaveRuntimeDirectory() ? std::getenv("XDG_RUNTIME_DIR") : TemporaryDirectory();
}

NamedLock::NamedLock(const std::string& name) {
    // The shared temporary directory gets one lock per user, so users never keep each other out.
    const std::string suffix = HaveRuntimeDirectory() ? "" : "-" + std::to_string(getuid());
    m_path = LockDirectory() + "/" + name + suffix + ".lock";
}

NamedLock::~NamedLock() {
    if (m_fd >= 0)
        close(m_fd);
}

LockResult NamedLock::acquire() {
    if (LockDirectory().empty()) {
        m_error = "no temporary folder";
        return LockResult::Unavailable;
    }
    if (m_fd < 0) {
        // O_NOFOLLOW: a link planted under the lock's name is refused, not followed.
        m_fd = open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_fd < 0) {
            m_error = std::strerror(errno);
            return LockResult::Unavailable;
        }
    }
    if (flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        return LockResult::Acquired;
    if (errno == EWOULDBLOCK)
        return LockResult::HeldByAnother;
    m_error = std::strerror(errno);
    return LockResult::Unavailable;
}

#include "platform/FreshFile.h"

#include <fcntl.h>
#include <unistd.h>

std::FILE* CreateFreshFile(const std::string& path) {
    // A failed removal (nothing there, or a folder) is left to the exclusive create to judge.
    unlink(path.c_str());
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return nullptr;
    std::FILE* file = fdopen(fd, "wb");
    if (!file)
        close(fd);
    return file;
}

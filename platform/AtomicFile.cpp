#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

constexpr char kTemporaryEnd[] = ".tmp";

// What a write really changes: the link's target, not the link. Empty for a dangling link.
fs::path ReplacedFile(const std::string& path) {
    const fs::path file = fs::u8path(path);
    std::error_code ec;
    if (!fs::is_symlink(file, ec))
        return file;
    const fs::path target = fs::canonical(file, ec);
    return ec ? fs::path() : target;
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

std::string TemporaryPrefix(const fs::path& file) {
    return "." + file.filename().string() + ".";
}

// The mode bits decide, not only access(): root may write anything, yet a file or folder the
// user made read-only must stay as it is.
bool MayChange(const fs::path& path, const struct stat& info) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// Exclusively created, never through a link, in the target's folder so the rename stays there.
int CreateTemporary(const fs::path& target, mode_t mode, fs::path* temp) {
    static std::mt19937 s_names{std::random_device{}()};
    const std::string prefix = TemporaryPrefix(target) + std::to_string(getpid()) + ".";
    for (int attempt = 0; attempt < 16; ++attempt) {
        *temp = FolderOf(target) / (prefix + std::to_string(s_names()) + kTemporaryEnd);
        const int fd =
            open(temp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The new file takes the old one's owner, group and exact mode bits (fchmod: no umask). It must
// never pass to another owner; a group the system refuses us is let go.
bool TakeOverIdentity(int fd, const struct stat& old) {
    struct stat now;
    if (fstat(fd, &now) != 0)
        return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        fchown(fd, old.st_uid, old.st_gid) != 0 && now.st_uid != old.st_uid) {
        return false;
    }
    return fchmod(fd, old.st_mode & 07777) == 0;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The rename itself is only durable once the folder is synced.
void SyncFolder(const fs::path& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// The writer's pid from a temporary's name, or 0 when the name is not one of ours.
pid_t WriterOf(const std::string& name, const std::string& prefix) {
    const size_t endSize = sizeof kTemporaryEnd - 1;
    if (name.size() <= prefix.size() + endSize || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - endSize, endSize, kTemporaryEnd) != 0) {
        return 0;
    }
    char* end = nullptr;
    const long pid = std::strtol(name.c_str() + prefix.size(), &end, 10);
    return (*end == '.' && pid > 0 && pid == static_cast<pid_t>(pid)) ? static_cast<pid_t>(pid) : 0;
}

}  // namespace

FileRead ReadWholeFile(const std::string& path) {
    FileRead result;
    const fs::path file = fs::u8path(path);
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found)
        return result;
    result.status = FileReadStatus::Unreadable;
    if (status.type() != fs::file_type::regular)
        return result;

    std::ifstream in(file, std::ios::binary);
    if (!in)
        return result;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        result.bytes.append(chunk, static_cast<size_t>(in.gcount()));
    }
    if (in.bad()) {
        result.bytes.clear();
        return result;
    }
    result.status = FileReadStatus::Ok;
    return result;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
    const fs::path target = ReplacedFile(path);
    if (target.empty())
        return false;
    struct stat old, folder;
    const bool existed = stat(target.c_str(), &old) == 0;
    if (existed ? (!S_ISREG(old.st_mode) || !MayChange(target, old)) : errno != ENOENT)
        return false;
    if (stat(FolderOf(target).c_str(), &folder) != 0 || !MayChange(FolderOf(target), folder))
        return false;

    fs::path temp;
    const int fd = CreateTemporary(target, existed ? 0600 : 0666, &temp);
    if (fd < 0)
        return false;
    bool ok = (!existed || TakeOverIdentity(fd, old)) && WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && rename(temp.c_str(), target.c_str()) == 0) {
        SyncFolder(FolderOf(target));
        return true;
    }
    unlink(temp.c_str());
    return false;
}

void RemoveOrphanedTemporaries(const std::string& path) {
    const fs::path target = ReplacedFile(path);
    if (target.empty())
        return;
    const std::string prefix = TemporaryPrefix(target);
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(FolderOf(target), ec)) {
        const pid_t writer = WriterOf(entry.path().filename().string(), prefix);
        if (writer == 0 || !entry.is_regular_file(ec) || entry.is_symlink(ec))
            continue;
        if (writer == getpid() || (kill(writer, 0) != 0 && errno == ESRCH))
            fs::remove(entry.path(), ec);
    }
}

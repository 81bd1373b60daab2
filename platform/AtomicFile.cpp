#include "platform/AtomicFile.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

// A name no one else uses, in the target's own directory so the rename never crosses devices.
fs::path UniqueSibling(const fs::path& target) {
    static std::mt19937_64 s_names{std::random_device{}()};
    const std::string stem = "." + target.filename().u8string() + ".";
    std::error_code ec;
    for (int attempt = 0; attempt < 16; ++attempt) {
        fs::path candidate =
            target.parent_path() / fs::u8path(stem + std::to_string(s_names()) + ".tmp");
        if (!fs::exists(fs::symlink_status(candidate, ec)))
            return candidate;
    }
    return {};
}

bool WriteNewFile(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    return !out.fail();
}

// Opening for append changes nothing, but fails where the user made the file read-only.
bool MayWrite(const fs::path& file) {
    std::ofstream probe(file, std::ios::binary | std::ios::app);
    return static_cast<bool>(probe);
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
    std::error_code ec;
    fs::path target = fs::u8path(path);
    if (fs::is_symlink(target, ec)) {
        // Replace what the link points at, not the link; a dangling link is left alone.
        target = fs::canonical(target, ec);
        if (ec)
            return false;
    }
    const fs::file_status old = fs::status(target, ec);
    const bool existed = old.type() == fs::file_type::regular;
    if (!existed && old.type() != fs::file_type::not_found)
        return false;
    if (existed && !MayWrite(target))
        return false;

    const fs::path temp = UniqueSibling(target);
    if (temp.empty())
        return false;
    if (!WriteNewFile(temp, bytes)) {
        fs::remove(temp, ec);
        return false;
    }
    if (existed)
        fs::permissions(temp, old.permissions(), fs::perm_options::replace, ec);
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

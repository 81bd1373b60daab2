#include "settings/StorageDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/MessageBox.h"
#include "platform/UserDirectories.h"

namespace {
std::string g_override;
bool g_warned = false;

std::string WithSeparator(std::string dir) {
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir;
}

bool MakeDirectory(const std::string& dir, std::string* why) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (std::filesystem::is_directory(dir))
        return true;
    *why = ec ? ec.message() : "not a folder";
    return false;
}
}  // namespace

void SetStorageDirectoryOverride(const std::string& dir) {
    g_override = dir;
}

std::string GetStorageDirectory() {
    std::string dir = g_override;
    if (dir.empty()) {
        const char* env = std::getenv("MEROW_STORAGE_DIR");
        dir = env && *env ? env : PerUserSettingsDirectory();
    }
    std::string why;
    if (MakeDirectory(dir, &why))
        return WithSeparator(dir);

    // The program still runs: settings go to a temporary folder for this session.
    const std::string fallback = FallbackTemporaryDirectory();
    std::string fallbackWhy;
    const bool haveFallback = MakeDirectory(fallback, &fallbackWhy);
    if (!g_warned) {
        g_warned = true;
        ShowMessageBox(
            "Cannot create the settings folder \"" + dir + "\" (" + why + ").\n" +
                (haveFallback ? "Settings are kept in \"" + fallback + "\" for now and may be lost."
                              : std::string("Settings will not be saved.")),
            "ERROR");
    }
    return haveFallback ? WithSeparator(fallback) : std::string();
}

std::string GetAssetDirectory(const std::string& storageDir) {
    if (!storageDir.empty() && IsDirectoryWritable(storageDir))
        return storageDir;
    const std::string fallback = FallbackTemporaryDirectory();
    std::string why;
    return MakeDirectory(fallback, &why) ? WithSeparator(fallback) : storageDir;
}

std::string GetSettingsPath() {
    return GetStorageDirectory() + "MerowSet.ini";
}

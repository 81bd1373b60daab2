#include "settings/StorageDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/MessageBox.h"
#include "platform/UserDirectories.h"

namespace {
std::string g_override;
bool g_warned = false;
bool g_readOnly = false;

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

void SetSettingsReadOnly(bool readOnly) {
    g_readOnly = readOnly;
}

bool SettingsReadOnly() {
    return g_readOnly;
}

std::string GetStorageDirectory() {
    std::string dir = g_override;
    if (dir.empty()) {
        const char* env = std::getenv("MEROW_STORAGE_DIR");
        dir = env && *env ? env : PerUserSettingsDirectory();
    }
    std::string why;
    if (g_readOnly)
        return WithSeparator(dir);  // read where it is; a missing folder reads as no settings
    if (MakeDirectory(dir, &why))
        return WithSeparator(dir);

    // The program still runs: settings go to this process's private folder for the session.
    std::string fallbackWhy;
    const std::string fallback = PrivateTemporaryDirectory(&fallbackWhy);
    if (!g_warned) {
        g_warned = true;
        ShowMessageBox(
            "Cannot create the settings folder \"" + dir + "\" (" + why + ").\n" +
                (fallback.empty()
                     ? "Settings will not be saved (no private folder: " + fallbackWhy + ")."
                     : "Settings are kept in \"" + fallback + "\" until the aquarium ends."),
            "ERROR");
    }
    return WithSeparator(fallback);
}

std::string GetAssetDirectory(const std::string& storageDir) {
    if (!g_readOnly && !storageDir.empty() && IsDirectoryWritable(storageDir))
        return storageDir;
    const std::string fallback = PrivateTemporaryDirectory();
    return fallback.empty() ? storageDir : WithSeparator(fallback);
}

std::string GetSettingsPath() {
    return GetStorageDirectory() + "MerowSet.ini";
}

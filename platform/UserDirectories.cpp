#include "platform/UserDirectories.h"

#include <stdlib.h>

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {
std::string g_privateDir;
std::string g_privateDirError;
}  // namespace

std::string PerUserSettingsDirectory() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + "/.config";
    return (base + "/merowfish").toStdString();
}

std::string PrivateTemporaryDirectory(std::string* why) {
    static bool tried = false;
    if (!tried) {
        tried = true;
        // mkdtemp makes a new folder with mode 0700 and a random name, never one that exists.
        const std::string pattern = QDir::tempPath().toStdString() + "/merowfish.XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (mkdtemp(name.data())) {
            g_privateDir = name.data();
            std::atexit(RemovePrivateTemporaryDirectory);
        } else {
            g_privateDirError = std::strerror(errno);
        }
    }
    if (why)
        *why = g_privateDirError;
    return g_privateDir;
}

void RemovePrivateTemporaryDirectory() {
    if (g_privateDir.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(g_privateDir, ec);
}

std::string TemporaryDirectory() {
    const QString dir = QDir::tempPath();
    return QDir(dir).exists() ? dir.toStdString() : std::string();
}

bool IsDirectoryWritable(const std::string& dir) {
    QTemporaryFile probe(QString::fromStdString(dir) + "/.merow-probe-XXXXXX");
    return probe.open();
}

#include "platform/UserDirectories.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

std::string PerUserSettingsDirectory() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + "/.config";
    return (base + "/merowfish").toStdString();
}

std::string TemporaryDirectory() {
    const QString dir = QDir::tempPath();
    return QDir(dir).exists() ? dir.toStdString() : std::string();
}

std::string FallbackTemporaryDirectory() {
    const QString user = qEnvironmentVariable("USER", "user");
    return (QDir::tempPath() + "/merowfish-" + user).toStdString();
}

bool IsDirectoryWritable(const std::string& dir) {
    QTemporaryFile probe(QString::fromStdString(dir) + "/.merow-probe-XXXXXX");
    return probe.open();
}

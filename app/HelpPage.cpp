#include "app/HelpPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString HelpPageUrl() {
    const QDir exeDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        exeDir.filePath(QStringLiteral("merowfish-help.html")),
        exeDir.filePath(QStringLiteral("../share/merowfish/help.html")),
        // Programs in a folder of the build tree (tests, tools) find the build tree's copy.
        exeDir.filePath(QStringLiteral("../merowfish-help.html")),
    };
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile())
            return QUrl::fromLocalFile(QDir::cleanPath(path)).toString();
    }
    return QUrl::fromLocalFile(QDir::cleanPath(candidates[0])).toString();
}

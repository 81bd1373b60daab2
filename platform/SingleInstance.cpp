#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

std::string LockDirectory() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QDir::tempPath();
    return dir.toStdString();
}

NamedLock::NamedLock(const std::string& name)
    : m_lock(std::make_unique<QLockFile>(QString::fromStdString(LockDirectory()) + "/" +
                                         QString::fromStdString(name) + ".lock")) {
    m_lock->setStaleLockTime(0);  // only a dead owner makes a lock stale
}

NamedLock::~NamedLock() = default;

bool NamedLock::acquire() {
    return m_lock->tryLock(0);
}

#include "platform/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& folder)
    : path_(QDir(folder.isEmpty() ? runtimeFolder() : folder).filePath(QLatin1String(kLockName) + QLatin1String(".lock")))
    , lock_(std::make_unique<QLockFile>(path_))
{
    // A live holder never goes stale by age; a dead holder is detected by its
    // process id and its lock removed.
    lock_->setStaleLockTime(0);
}

bool SingleInstanceGuard::acquire()
{
    if (lock_->isLocked())
        return true;
    return lock_->tryLock(0);
}

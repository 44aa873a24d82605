#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Keeps a second copy of the program from running. The lock is a file in the
// user's runtime folder, held for the whole life of the process; a lock left by a
// copy that died is taken over.
class SingleInstanceGuard {
public:
    static constexpr const char* kLockName = "trazela15_16.exe";

    // folder: where the lock file lives (empty: the user's runtime folder).
    explicit SingleInstanceGuard(const QString& folder = QString());

    // True when this process now holds the lock.
    bool acquire();

    QString lockPath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

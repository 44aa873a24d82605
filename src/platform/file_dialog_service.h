#pragma once

#include <QString>

// The save dialog. Screens ask the current service so that tests can choose
// the file for the pupil.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The path the pupil chose, starting from `proposedName`; `defaultSuffix`
    // is added to a name typed without one. Empty when the pupil cancels. The
    // dialog itself does not ask about an existing file: callers use
    // confirmReplace.
    virtual QString saveFileName(const QString& caption, const QString& proposedName,
                                 const QString& defaultSuffix) = 0;
    // Asks, through the message service, whether an existing file may be
    // replaced (the toolkit's own question text).
    virtual bool confirmReplace(const QString& path);
};

// The service in use: a QFileDialog unless a test installed another.
FileDialogService& fileDialogService();
// Installs a service (nullptr restores the Qt one). The caller keeps ownership.
void setFileDialogService(FileDialogService* service);

#pragma once

#include "data/run_state.h"

#include <QString>

// The SettingsRecord in an INI file (by default in the user's configuration
// folder). Values out of range read as the defaults: Castilian, animation on.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath = defaultPath());

    static QString defaultPath();
    const QString& filePath() const { return path_; }

    SettingsRecord read() const;
    // True when the record reached the disk.
    bool write(const SettingsRecord& record) const;

private:
    QString path_;
};

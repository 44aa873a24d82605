#pragma once

#include <QString>

// The user's stored choices.
struct SettingsRecord {
    int languageCode = 0; // 0 Castilian, 1 Catalan/Valencian, 2 Galician, 3 Basque
    bool animation = true;
};

// The language folders, by language code.
QString languageFolderFor(int languageCode);

// What the whole run shares.
struct RunState {
    QString dataFolder;    // absolute, ends with a separator
    QString programFolder; // absolute, ends with a separator
    int languageCode = 0;
    QString languageFolder = languageFolderFor(0);
    bool nonCastilian = false;
    bool animationEnabled = true;
    bool savedAnimation = true;
    bool startupAborted = false;
    bool worldActive = false;
    bool assistantActive = false;
    SettingsRecord settings;
};

#include "data/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString kLanguageKey = QStringLiteral("language");
const QString kAnimationKey = QStringLiteral("animation");
} // namespace

QString languageFolderFor(int languageCode)
{
    switch (languageCode) {
    case 1: return QStringLiteral("catVal/");
    case 2: return QStringLiteral("galego/");
    case 3: return QStringLiteral("euskera/");
    default: return QStringLiteral("cas/");
    }
}

SettingsStore::SettingsStore(QString filePath)
    : path_(std::move(filePath))
{
}

QString SettingsStore::defaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("trazela/trazela16_17.ini"));
}

SettingsRecord SettingsStore::read() const
{
    SettingsRecord record;
    const QSettings settings(path_, QSettings::IniFormat);
    bool ok = false;
    const int language = settings.value(kLanguageKey).toInt(&ok);
    if (ok && language >= 0 && language <= 3)
        record.languageCode = language;
    const QVariant animation = settings.value(kAnimationKey);
    if (animation.isValid())
        record.animation = animation.toBool();
    return record;
}

bool SettingsStore::write(const SettingsRecord& record) const
{
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(kLanguageKey, record.languageCode);
    settings.setValue(kAnimationKey, record.animation);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

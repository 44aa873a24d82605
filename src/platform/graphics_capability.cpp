#include "platform/graphics_capability.h"

#include <QGuiApplication>
#include <QScreen>

namespace graphics {

int versionFromString(const QString& versionString)
{
    if (versionString.size() < 4)
        return 0;
    const char16_t digit = versionString.at(3).unicode();
    return digit >= u'0' && digit <= u'9' ? digit - u'0' : 0;
}

int graphicsVersion()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 0;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return 0;
    if (!QGuiApplication::primaryScreen())
        return 0;
    return kCapableVersion;
}

} // namespace graphics

#include "data/command_line.h"

void applyCommandLine(const QStringList& arguments, RunState& state)
{
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return;
    const QString& animation = arguments.first();
    if (animation == QLatin1String("S"))
        state.animationEnabled = true;
    else if (animation == QLatin1String("N"))
        state.animationEnabled = false;

    if (arguments.size() < 2)
        return;
    bool numeric = false;
    const int language = arguments.at(1).trimmed().toInt(&numeric);
    if (!numeric)
        return;
    if (arguments.at(1).size() == 1 && language >= 0 && language <= 3)
        state.languageFolder = languageFolderFor(language);
    state.nonCastilian = language > 0;
}

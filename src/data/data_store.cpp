#include "data/data_store.h"

#include "data/command_line.h"
#include "data/settings.h"
#include "platform/graphics_capability.h"
#include "platform/message_service.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withSeparator(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

std::unique_ptr<DataStore>& DataStore::slot()
{
    static std::unique_ptr<DataStore> store(new DataStore);
    return store;
}

DataStore& DataStore::instance()
{
    return *slot();
}

void DataStore::reset()
{
    slot().reset(new DataStore);
}

void DataStore::initialise(const StartOptions& options)
{
    run.startupAborted = false;
    run.programFolder = withSeparator(QDir(options.programFolder).absolutePath());

    const QDir dataFolder(QDir(options.workingFolder).filePath(QLatin1String(kDataFolderName)));
    if (!dataFolder.exists() || !QDir::setCurrent(dataFolder.absolutePath())) {
        messageService().show(QStringLiteral("El programa no funcionará correctamente. Falta la carpeta "
                                             "trazela16_17\\ con los archivos necesrios."));
        run.startupAborted = true;
        return;
    }
    run.dataFolder = withSeparator(dataFolder.absolutePath());

    const SettingsStore defaultSettings;
    run.settings = (options.settings ? *options.settings : defaultSettings).read();
    run.languageCode = run.settings.languageCode;
    run.languageFolder = languageFolderFor(run.languageCode);
    run.nonCastilian = run.languageCode != 0;
    run.animationEnabled = run.settings.animation;
    run.savedAnimation = run.settings.animation;

    applyCommandLine(options.arguments, run);
    if (run.startupAborted)
        return;

    const LoadContext ctx = context();
    if (!uiText.load(ctx, languageFile("textos")))
        return;

    run.worldActive = false;
    for (const char* archive : StartupPictures::kWorldArchives)
        if (!ctx.exists(QLatin1String(archive)))
            run.animationEnabled = false;
    if (graphics::graphicsVersion() < graphics::kWorldMinimumVersion)
        run.animationEnabled = false;

    pictures.load(ctx);

    const QString regionFile = QStringLiteral("puntos3");
    if (!ctx.exists(regionFile)) {
        ctx.say(QStringLiteral("Faltan ficheros"));
        ctx.abort();
        return;
    }
    loaders::loadRecords(ctx, regionFile, regionGrids);

    loaders::loadLongLines(ctx, languageFile("informa_l"), informa_l, 60);
    loaders::loadLongLines(ctx, languageFile("materias_l"), materias_l, 60);
}

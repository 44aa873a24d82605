#include "check.h"

#include "data/data_store.h"
#include "data/screen_files.h"
#include "data/settings.h"
#include "languages.h"
#include "platform/message_service.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

class CollectedMessages final : public MessageService {
public:
    CollectedMessages() { setMessageService(this); }
    ~CollectedMessages() override { setMessageService(nullptr); }
    void show(const QString& text) override { shown << text; }
    QStringList shown;
};

struct RecordFile {
    const char* name;
    qint64 size;
};

constexpr RecordFile kRecordFiles[] = {
    {"datluggs", 457600}, {"datluggm", 457600}, {"datlugbas", 457600}, {"datfps", 20000},
    {"datfpm", 5600},     {"datgrados", 19600}, {"datcarn", 70700},    {"datcarnue", 70700},
    {"datgrub", 3060},    {"puntos3", 714864},
};

// Every file the program opens, beside the record files above.
constexpr const char* kDataFiles[] = {
    "chica.bmp", "parte", "heli.bmp", "mapa", "mapac", "mapam", "suelo", "marcod", "marcoar", "imagen",
    "rotulon.bmp", "segdxg1.DXG", "india.DXG", "motor.wav", "comunida", "lu1", "lu2", "lu3", "lu4", "lugar",
    "comuint", "dobles", "comarcas", "comarcasm", "grados.txt", "fami_estad.txt",
};
constexpr const char* kLanguageFiles[] = {
    "textos", "informa_l", "materias_l", "carreran", "carrenue", "carreranb", "otros", "itinerar", "fp",
    "reqfp", "asignafp", "asignaot", "activida", "familias", "cuestion", "cuesgm", "fp2", "asignagm",
    "fpba", "asignaba", "certifica", "certificah", "cualidad", "interes", "materiasp", "profesio",
    "fralargas", "fracortas", "artesplas", "musica", "danza", "dramatico", "master.txt",
};

QStringList missingFiles(const QDir& folder)
{
    QStringList missing;
    auto need = [&](const QString& path) {
        if (!QFileInfo(folder.filePath(path)).isFile())
            missing << path;
    };
    for (const RecordFile& record : kRecordFiles)
        need(QLatin1String(record.name));
    for (const char* name : kDataFiles)
        need(QLatin1String(name));
    for (const Language& language : kLanguages)
        for (const char* name : kLanguageFiles)
            need(QLatin1String(language.folder) + QLatin1String(name));
    return missing;
}

} // namespace

bool checkDataFolder(const QString& dataFolder)
{
    QTextStream out(stdout);
    const QFileInfo folder(dataFolder);
    if (folder.fileName() != QLatin1String(DataStore::kDataFolderName) || !folder.isDir()) {
        out << dataFolder << ": not a data folder named " << DataStore::kDataFolderName << '\n';
        return false;
    }
    const QStringList missing = missingFiles(QDir(dataFolder));
    bool ok = missing.isEmpty();
    if (!ok)
        out << "missing files: " << missing.join(QStringLiteral(", ")) << '\n';
    for (const RecordFile& record : kRecordFiles) {
        const QFileInfo file(QDir(dataFolder).filePath(QLatin1String(record.name)));
        if (file.exists() && file.size() != record.size) {
            out << record.name << ": " << file.size() << " bytes, expected " << record.size << '\n';
            ok = false;
        }
    }

    const QString home = QDir::currentPath();
    QTemporaryDir settingsFolder;
    const SettingsStore settings(settingsFolder.filePath(QStringLiteral("check.ini")));
    for (int code = 0; code < static_cast<int>(kLanguages.size()); ++code) {
        CollectedMessages messages;
        DataStore::reset();
        DataStore& store = DataStore::instance();
        store.initialise({{QStringLiteral("N"), QString::number(code)}, folder.absolutePath(),
                          home, &settings});
        if (!store.run.startupAborted)
            screen_files::loadAll(store);
        QDir::setCurrent(home);
        out << kLanguages[static_cast<size_t>(code)].name << ": ";
        if (messages.shown.isEmpty() && !store.run.startupAborted) {
            out << "every file loads (" << store.uiText.count() << " interface texts)\n";
            continue;
        }
        ok = false;
        out << (messages.shown.isEmpty() ? QStringLiteral("start-up aborted") : messages.shown.join(QStringLiteral("; ")))
            << '\n';
    }
    DataStore::reset();
    return ok;
}

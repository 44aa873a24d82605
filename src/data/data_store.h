#pragma once

#include "data/load_context.h"
#include "data/map_regions.h"
#include "data/record_files.h"
#include "data/report_printers.h"
#include "data/run_state.h"
#include "data/structured_tables.h"
#include "data/startup_pictures.h"
#include "data/text_loaders.h"
#include "data/ui_text.h"

#include <QStringList>
#include <array>
#include <memory>

class SettingsStore;

// Everything the run shares: run state, interface texts, pictures, and every
// table and record area, each named after its file. Allocated empty at
// start-up, filled by the data store and by the screens as they are created,
// released at the end of the run.
class DataStore {
public:
    static constexpr const char* kDataFolderName = "trazela16_17";

    // The run's single store.
    static DataStore& instance();
    // Drops every table and the run state (for a new run in the same process).
    static void reset();

    struct StartOptions {
        QStringList arguments;  // the command line without the program
        QString workingFolder;  // the folder that holds trazela16_17/
        QString programFolder;
        const SettingsStore* settings = nullptr;
    };

    // The start-up sequence of the data store: data folder, settings, command
    // line, interface texts, graphics checks, pictures, region grids and the two
    // long-line tables. Sets run.startupAborted on failure.
    void initialise(const StartOptions& options);

    LoadContext context() { return LoadContext(run.dataFolder, run.startupAborted); }
    // A file of the language in use, e.g. "cas/textos".
    QString languageFile(const char* name) const { return run.languageFolder + QLatin1String(name); }

    RunState run;
    UiText uiText;
    StartupPictures pictures;
    RegionGrids regionGrids;
    MapState mapState;

    // The shared report buffers and the lines printed bold.
    TextTable reportBuffer = reportTable();
    TextTable reportColumn2 = reportTable();
    TextTable fpQuestionnaireReport = reportTable();
    ReportBoldLines reportBoldLines;

    // Language tables.
    TextTable informa_l = longLineTable();
    TextTable materias_l = longLineTable();
    TextTable materiasp = subjectTable();
    TextTable carreran = standardTable();
    TextTable carrenue = altNameTable();
    TextTable carreranb = standardTable();
    TextTable otros = standardTable();
    TextTable itinerar = standardTable();
    TextTable fp = standardTable();
    TextTable fpFamilies = standardTable();
    std::vector<int> fpFamilyLines;
    TextTable reqfp = standardTable();
    BlockTable asignafp = blockTable26();
    BlockTable asignaot = blockTable51();
    TextTable activida = standardTable();
    TextTable familias = standardTable();
    Professions profesio;
    TextTable arts = standardTable();
    TextTable cuestion = standardTable();
    TextTable cuesgm = wideTable();
    TextTable fp2 = standardTable();
    TextTable fp2Families = standardTable();
    std::vector<int> fp2FamilyLines;
    BlockTable asignagm = blockTable26();
    TextTable fpba = standardTable();
    BlockTable asignaba = blockTable26();
    TextTable certifica = standardTable();
    TextTable certificah = longTable();
    TextTable cualidad = standardTable();
    TextTable interes = standardTable();

    // Data-folder tables.
    TextTable comunida = standardTable();
    std::array<TextTable, 5> lu = {standardTable(), standardTable(), standardTable(), standardTable(),
                                   standardTable()}; // lu[1]..lu[4]
    TextTable lu2Basic = standardTable();
    Places lugar;
    RegionalLinks comuint;
    DoubleDegrees dobles;
    Comarcas comarcas;
    MadridZones comarcasm;

    // Record areas.
    CentreTitles datluggs;
    CentreTitles datluggm;
    CentreTitles datlugbas;
    IntRecords datfps{200, 25};
    IntRecords datfpm{200, 7};
    IntRecords datgrados{350, 14};
    ByteLists datcarn{2, 350, 100};
    ByteLists datcarnue{2, 350, 100};
    AltNameIndex altNames;
    ByteLists datgrub{3, 20, 50};

private:
    DataStore() = default;
    static std::unique_ptr<DataStore>& slot();
};

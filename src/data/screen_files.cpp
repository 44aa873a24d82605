#include "data/screen_files.h"

#include "data/data_store.h"

namespace screen_files {

using namespace loaders;

void loadDegreeBrowserLanguageTables(DataStore& s)
{
    const LoadContext ctx = s.context();
    loadCut(ctx, s.languageFile("materiasp"), s.materiasp, 70);
    loadFilled(ctx, s.languageFile("carreran"), s.carreran, 60);
    loadLongLines(ctx, s.languageFile("carrenue"), s.carrenue, 60);
    loadFilled(ctx, s.languageFile("carreranb"), s.carreranb, 60);
    loadFilled(ctx, s.languageFile("otros"), s.otros, 55);
    loadFilled(ctx, s.languageFile("itinerar"), s.itinerar, 60);
    loadFilled(ctx, s.languageFile("fp"), s.fp, 60);
    loadFamilyMarkers(ctx, s.languageFile("fp"), s.fpFamilies, s.fpFamilyLines, 60);
    loadFilled(ctx, s.languageFile("reqfp"), s.reqfp, 55);
    loadBlocks(ctx, s.languageFile("asignafp"), s.asignafp);
    loadBlocks(ctx, s.languageFile("asignaot"), s.asignaot);
    loadRaw(ctx, s.languageFile("activida"), s.activida);
    loadRaw(ctx, s.languageFile("familias"), s.familias);
    loadProfessions(ctx, s.languageFile("profesio"), s.profesio);
}

void loadDegreeBrowserDataFiles(DataStore& s)
{
    const LoadContext ctx = s.context();
    loadFilled(ctx, QStringLiteral("comunida"), s.comunida, 55);
    loadPlaces(ctx, QStringLiteral("lugar"), s.lugar);
    loadRegionalLinks(ctx, QStringLiteral("comuint"), s.comuint);
    for (int block = 1; block <= 4; ++block)
        loadFilled(ctx, QStringLiteral("lu%1").arg(block), s.lu[static_cast<size_t>(block)], 60);
    loadRecords(ctx, QStringLiteral("datgrub"), s.datgrub);
    loadRecords(ctx, QStringLiteral("datcarn"), s.datcarn);
    if (loadRecords(ctx, QStringLiteral("datcarnue"), s.datcarnue))
        s.altNames = buildAltNameIndex(s.datcarnue, s.datcarn, s.carreran.count);
    loadRecords(ctx, QStringLiteral("datgrados"), s.datgrados);
    loadRecords(ctx, QStringLiteral("datfps"), s.datfps);
    loadRecords(ctx, QStringLiteral("datluggs"), s.datluggs);
    loadDoubleDegrees(ctx, QStringLiteral("dobles"), s.dobles, s.datgrados, s.carreran.count);
}

void loadEsoQuestionnaireTables(DataStore& s)
{
    const LoadContext ctx = s.context();
    loadFilled(ctx, s.languageFile("cuestion"), s.cuestion, 50);
    loadFilled(ctx, s.languageFile("cuesgm"), s.cuesgm, 75);
    loadFilled(ctx, s.languageFile("itinerar"), s.itinerar, 54);
    loadFilled(ctx, s.languageFile("fp2"), s.fp2, 60);
    loadFamilyMarkers(ctx, s.languageFile("fp2"), s.fp2Families, s.fp2FamilyLines, 60);
    loadBlocks(ctx, s.languageFile("asignagm"), s.asignagm);
}

void loadEsoQuestionnaireRecords(DataStore& s)
{
    const LoadContext ctx = s.context();
    loadRecords(ctx, QStringLiteral("datluggm"), s.datluggm);
    loadRecords(ctx, QStringLiteral("datfpm"), s.datfpm);
}

void loadAdviceTables(DataStore& s)
{
    const LoadContext ctx = s.context();
    loadFilled(ctx, s.languageFile("cualidad"), s.cualidad, 60);
    loadFilled(ctx, s.languageFile("interes"), s.interes, 60);
}

void loadHigherFpTables(DataStore& s)
{
    const LoadContext ctx = s.context();
    loadComarcas(ctx, QStringLiteral("comarcas"), s.comarcas, 20);
    loadMadridZones(ctx, QStringLiteral("comarcasm"), s.comarcasm, 25);
}

void loadBasicFpTables(DataStore& s)
{
    const LoadContext ctx = s.context();
    loadRecords(ctx, QStringLiteral("datlugbas"), s.datlugbas);
    loadFilled(ctx, s.languageFile("fpba"), s.fpba, 60);
    loadBlocks(ctx, s.languageFile("asignaba"), s.asignaba);
    loadFilled(ctx, QStringLiteral("lu2"), s.lu2Basic, 60);
}

void loadCertificateTables(DataStore& s)
{
    const LoadContext ctx = s.context();
    loadFilled(ctx, s.languageFile("certifica"), s.certifica, 60);
    loadRaw(ctx, s.languageFile("certificah"), s.certificah);
}

void loadAll(DataStore& s)
{
    loadDegreeBrowserLanguageTables(s);
    loadDegreeBrowserDataFiles(s);
    loadHigherFpTables(s);
    loadAdviceTables(s);
    loadEsoQuestionnaireTables(s);
    loadEsoQuestionnaireRecords(s);
    loadBasicFpTables(s);
    loadCertificateTables(s);
}

} // namespace screen_files

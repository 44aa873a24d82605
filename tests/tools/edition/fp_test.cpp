#include "fp.h"

#include "data/load_context.h"
#include "data/record_files.h"
#include "data/text_loaders.h"
#include "languages.h"
#include "support/fixture_folder.h"
#include "support/recording_messages.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr int kFamilies = 26;
constexpr int kFirstGroupLine = 30;
constexpr int kFields = 9;

std::string trimmed(std::string_view text)
{
    return std::string(text::trim(text));
}

// A catalogue table (fp or fp2) as the screens read it: the lines and the family index.
struct LoadedCatalogue {
    TextTable lines = standardTable();
    TextTable families = standardTable();
    std::vector<int> familyLines;
    BlockTable details = blockTable26();

    // The family heading line above title line d.
    int familyOf(int d) const
    {
        int family = 0;
        for (size_t f = 0; f < familyLines.size() && familyLines[f] < d; ++f)
            family = static_cast<int>(f) + 1;
        return family;
    }
    bool isHeading(int d) const { return lines[d].front() == '-'; }
};

// The real vocational-training sources, compiled once.
class CompiledFp : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        output = new FixtureFolder;
        Diagnostics diagnostics;
        OutputFolder out(output->path(), diagnostics);
        compileVocationalTraining(QStringLiteral(TRAZELA_EDITION_SOURCES), out, diagnostics);
        errors = diagnostics.errors();
    }
    static void TearDownTestSuite() { delete output; }

    LoadContext context() { return LoadContext(output->path(), aborted); }

    LoadedCatalogue catalogue(const char* language, const char* file, const char* details)
    {
        LoadedCatalogue loaded;
        const QString folder = QLatin1String(language) + QLatin1Char('/');
        loaders::loadFilled(context(), folder + QLatin1String(file), loaded.lines, 60);
        loaders::loadFamilyMarkers(context(), folder + QLatin1String(file), loaded.families, loaded.familyLines, 60);
        loaders::loadBlocks(context(), folder + QLatin1String(details), loaded.details);
        return loaded;
    }

    static inline FixtureFolder* output = nullptr;
    static inline int errors = 0;
    bool aborted = false;
    RecordingMessages messages;
};

TEST_F(CompiledFp, CataloguesHeadTheFamiliesWhereTheScreensLook)
{
    ASSERT_EQ(errors, 0);
    TextTable familias = standardTable();
    loaders::loadRaw(context(), QStringLiteral("cas/familias"), familias);
    ASSERT_GE(familias.count, kFirstGroupLine + 8);
    EXPECT_EQ(familias[1], "1Actividades F\xEDsicas y Deportivas");
    EXPECT_EQ(familias[26].substr(0, 1), "Q");

    for (const auto& [file, details] : {std::pair {"fp", "asignafp"}, std::pair {"fp2", "asignagm"}}) {
        const LoadedCatalogue loaded = catalogue("cas", file, details);
        SCOPED_TRACE(file);
        // The 26 families first, in the familias order, then the arts families, the sports teachings last.
        ASSERT_GT(loaded.families.count, kFamilies + 1);
        for (int f = 1; f <= kFamilies; ++f)
            EXPECT_EQ(trimmed(loaded.families[f]), familias[f].substr(1)) << "family " << f;
        EXPECT_EQ(loaded.families[kFamilies + 1][0], '|');
        EXPECT_EQ(loaded.families[loaded.families.count][0], '!');
        for (int f = kFamilies + 1; f < loaded.families.count; ++f)
            EXPECT_EQ(loaded.families[f][0], '|') << "family " << f;
        EXPECT_EQ(loaded.familyLines.front(), 1);
        // One detail block per catalogue line.
        EXPECT_EQ(loaded.details.groupCount, loaded.lines.count);
    }
}

TEST_F(CompiledFp, GroupsReachEveryFamilyOnce)
{
    TextTable familias = standardTable();
    loaders::loadRaw(context(), QStringLiteral("cas/familias"), familias);
    std::multiset<int> reached;
    for (int line = kFirstGroupLine; line < kFirstGroupLine + 9; ++line) {
        const std::string& group = familias[line];
        EXPECT_FALSE(trimmed(group.substr(6)).empty()) << "line " << line;
        for (int i = 0; i < 3; ++i) {
            int family = 0;
            ASSERT_TRUE(text::parseInteger(group.substr(size_t(2 * i), 2), family)) << group;
            if (family != 0)
                reached.insert(family);
        }
    }
    for (int f = 1; f <= kFamilies; ++f)
        EXPECT_EQ(reached.count(f), 1u) << "family " << f;
}

TEST_F(CompiledFp, DetailBlocksHoldJobsDurationAndNumberedModules)
{
    const LoadedCatalogue fp = catalogue("cas", "fp", "asignafp");
    int finance = 0;
    for (int d = 1; d <= fp.lines.count; ++d)
        if (trimmed(fp.lines[d]) == "Administraci\xF3n y Finanzas")
            finance = d;
    ASSERT_NE(finance, 0);
    EXPECT_EQ(trimmed(fp.details.line(finance, 1)), "Administrativo/a de empresa");
    EXPECT_EQ(trimmed(fp.details.line(finance, 6)), "2000 horas (dos cursos acad\xE9micos)");
    EXPECT_EQ(trimmed(fp.details.line(finance, 7)),
              "-M\xF3"
              "dulos profesionales:");
    EXPECT_EQ(trimmed(fp.details.line(finance, 8)),
              "1. Gesti\xF3n de la documentaci\xF3n jur\xED"
              "dica y empresarial");
    EXPECT_EQ(trimmed(fp.details.line(finance, 21)), "14. Formaci\xF3n en centros de trabajo");

    // A module longer than a line goes on in a line that starts with blanks.
    const LoadedCatalogue fp2 = catalogue("cas", "fp2", "asignagm");
    bool continued = false;
    for (int d = 1; d <= fp2.lines.count; ++d) {
        for (int slot = 8; slot <= 25; ++slot) {
            const std::string& line = fp2.details.line(d, slot);
            if (line.starts_with("   ") && !text::isBlank(line)) {
                continued = true;
                EXPECT_NE(fp2.details.line(d, slot - 1)[0], ' ') << "block " << d;
            }
        }
    }
    EXPECT_TRUE(continued);
}

TEST_F(CompiledFp, TitleRecordsFollowTheirCatalogueLines)
{
    const LoadedCatalogue fp = catalogue("cas", "fp", "asignafp");
    const LoadedCatalogue fp2 = catalogue("cas", "fp2", "asignagm");
    TextTable reqfp = standardTable();
    const int requirements = loaders::loadFilled(context(), QStringLiteral("cas/reqfp"), reqfp, 55);
    IntRecords datfps(200, 25), datfpm(200, 7);
    ASSERT_TRUE(loaders::loadRecords(context(), QStringLiteral("datfps"), datfps));
    ASSERT_TRUE(loaders::loadRecords(context(), QStringLiteral("datfpm"), datfpm));

    for (int d = 1; d <= fp.lines.count; ++d) {
        const int family = fp.familyOf(d);
        if (fp.isHeading(d)) {
            for (int field = 1; field <= 25; ++field)
                EXPECT_EQ(datfps.field(d, field), 0) << "heading line " << d;
            continue;
        }
        EXPECT_EQ(datfps.field(d, 24), family <= kFamilies ? family : 0) << "line " << d;
        for (int field = 1; field <= 4; ++field)
            EXPECT_LE(datfps.field(d, field), 13);
        if (family <= kFamilies) {
            EXPECT_NE(datfps.field(d, 5), 0) << "an ordinary title shows its requirements, line " << d;
        }
        for (int field = 5; field <= 17; ++field)
            EXPECT_LE(datfps.field(d, field), requirements) << "line " << d;
    }
    for (int d = 1; d <= fp2.lines.count; ++d) {
        const int family = fp2.familyOf(d);
        EXPECT_EQ(datfpm.field(d, 4), !fp2.isHeading(d) && family <= kFamilies ? family : 0) << "line " << d;
    }
}

TEST_F(CompiledFp, BasicTableShiftsPastItsFields)
{
    TextTable fpba = standardTable();
    const int lines = loaders::loadFilled(context(), QStringLiteral("cas/fpba"), fpba, 60);
    BlockTable asignaba = blockTable26();
    loaders::loadBlocks(context(), QStringLiteral("cas/asignaba"), asignaba);
    EXPECT_EQ(asignaba.groupCount, lines - kFields);
    EXPECT_EQ(fpba[kFields][0], '0') << "the last field is the near-home one";
    std::set<char> fieldCodes;
    for (int f = 1; f <= kFields; ++f)
        for (char code : fpba[f].substr(0, 4))
            fieldCodes.insert(code);
    char family = 0;
    for (int t = 1; t <= lines - kFields; ++t) {
        const std::string& line = fpba[t + kFields];
        if (line[1] == '-') {
            family = line[0];
            EXPECT_TRUE(fieldCodes.count(family)) << "family " << family << " is in no field";
            continue;
        }
        EXPECT_EQ(line[0], family) << "title " << t;
        EXPECT_FALSE(text::isBlank(asignaba.line(t, 1))) << "title " << t << " has jobs";
    }
}

TEST_F(CompiledFp, CentresTeachTitlesOfTheirGrade)
{
    TextTable tables[3] = {standardTable(), standardTable(), standardTable()};
    int counts[3] = {
        loaders::loadFilled(context(), QStringLiteral("cas/fp"), tables[0], 60),
        loaders::loadFilled(context(), QStringLiteral("cas/fp2"), tables[1], 60),
        loaders::loadFilled(context(), QStringLiteral("cas/fpba"), tables[2], 60) - kFields,
    };
    const char* files[3] = {"datluggs", "datluggm", "datlugbas"};
    for (int g = 0; g < 3; ++g) {
        CentreTitles records;
        ASSERT_TRUE(loaders::loadRecords(context(), QLatin1String(files[g]), records));
        int taught = 0;
        for (int block = 1; block <= 4; ++block) {
            TextTable lu = standardTable();
            const int centres = loaders::loadFilled(context(), QStringLiteral("lu%1").arg(block), lu, 60);
            EXPECT_EQ(records.titleCount(block, centres + 1), 0) << files[g] << " past lu" << block;
            for (int row = 1; row <= centres; ++row)
                for (int i = 1; i <= records.titleCount(block, row); ++i) {
                    const int title = records.title(block, row, i);
                    ASSERT_GE(title, 1);
                    ASSERT_LE(title, counts[g]) << files[g];
                    const std::string& line = tables[g][g == 2 ? title + kFields : title];
                    EXPECT_NE(line[g == 2 ? 1 : 0], '-') << files[g] << " names a family heading";
                    ++taught;
                }
        }
        EXPECT_GT(taught, 0) << files[g];
    }
}

TEST_F(CompiledFp, ZonedCentresCarryTheCodesOfTheMaps)
{
    TextTable lu2 = standardTable(), lu4 = standardTable();
    const int madrid = loaders::loadFilled(context(), QStringLiteral("lu2"), lu2, 60);
    const int catalonia = loaders::loadFilled(context(), QStringLiteral("lu4"), lu4, 60);
    // From the first Barcelona line on, lu4 holds Catalonia only (province 5..9, A).
    bool inCatalonia = false;
    for (int r = 1; r <= catalonia; ++r) {
        const char province = lu4[r][0];
        inCatalonia = inCatalonia || province == '5';
        if (inCatalonia) {
            EXPECT_TRUE(std::string("56789A").find(province) != std::string::npos) << lu4[r];
            EXPECT_NE(lu4[r][44], ' ') << "zone character of " << lu4[r];
        }
    }
    EXPECT_TRUE(inCatalonia);
    // lu2: the Madrid block (8 and H) lies before the first Cuenca line and nothing else is inside it.
    int firstMadrid = 0, firstCuenca = 0;
    for (int r = 1; r <= madrid; ++r) {
        const char province = lu2[r][0];
        if ((province == '8' || province == 'H') && !firstMadrid)
            firstMadrid = r;
        if (province == 'D' && !firstCuenca)
            firstCuenca = r;
    }
    ASSERT_NE(firstMadrid, 0);
    ASSERT_GT(firstCuenca, firstMadrid);
    for (int r = firstMadrid; r < firstCuenca; ++r) {
        EXPECT_TRUE(lu2[r][0] == '8' || lu2[r][0] == 'H') << lu2[r];
        EXPECT_NE(lu2[r][44], ' ') << "zone character of " << lu2[r];
    }
    for (int r = 1; r <= madrid; ++r)
        EXPECT_EQ(lu2[r].substr(45, 9).find(' '), std::string::npos) << "telephone of " << lu2[r];
}

TEST_F(CompiledFp, CertificatesRunParallelToTheirDetails)
{
    TextTable certifica = standardTable(), certificah = longTable();
    const int names = loaders::loadFilled(context(), QStringLiteral("cas/certifica"), certifica, 60);
    const int details = loaders::loadRaw(context(), QStringLiteral("cas/certificah"), certificah);
    ASSERT_EQ(names, details);
    ASSERT_GT(names, kFields);
    for (int k = 1; k <= kFields; ++k)
        EXPECT_EQ(certificah[k][0], char('0' + k));
    char family = 0;
    for (int n = kFields + 1; n <= names; ++n) {
        const std::string& line = certifica[n];
        if (line[1] == '-') {
            family = line[0];
            EXPECT_EQ(trimmed(certificah[n]), trimmed(line.substr(2))) << "a family line carries the family name";
            continue;
        }
        EXPECT_EQ(line[0], family);
        int hours = 0;
        EXPECT_TRUE(text::parseInteger(certificah[n].substr(3, 3), hours)) << certificah[n];
        EXPECT_GT(hours, 0);
        for (char code : certificah[n].substr(0, 3))
            EXPECT_TRUE(code == ' ' || (code >= '1' && code <= '9')) << certificah[n];
    }
}

TEST_F(CompiledFp, FamilyStatisticsHaveTheirColumnsAndTotal)
{
    QFile file(output->filePath(QStringLiteral("fami_estad.txt")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto lines = text::splitLines(file.readAll());
    ASSERT_EQ(lines.size(), 28u);
    long long workers = 0;
    double pupils = 0;
    for (int f = 0; f < kFamilies; ++f) {
        const std::string& line = lines[size_t(f)];
        bool ok = false;
        pupils += QString::fromStdString(trimmed(text::columns(line, 1, 4))).toDouble(&ok);
        EXPECT_TRUE(ok) << line;
        QString::fromStdString(trimmed(text::columns(line, 6, 5))).toDouble(&ok);
        EXPECT_TRUE(ok) << line;
        int count = 0;
        EXPECT_TRUE(text::parseInteger(text::columns(line, 11, 7), count)) << line;
        workers += count;
    }
    EXPECT_NEAR(pupils, 100.0, 0.5);
    QString total = QString::number(workers);
    for (qsizetype at = total.size() - 3; at > 0; at -= 3)
        total.insert(at, QLatin1Char('.'));
    EXPECT_EQ(lines[26], total.toStdString());
}

TEST_F(CompiledFp, LanguagesFallBackToCastilianPerEntry)
{
    for (const Language& language : kLanguages)
        for (const char* file :
             {"familias", "fp", "fp2", "fpba", "asignafp", "asignagm", "asignaba", "reqfp", "certifica", "certificah"})
            EXPECT_TRUE(QFile::exists(output->filePath(QLatin1String(language.folder) + QLatin1String(file))))
                << language.folder << file;
    TextTable cas = standardTable(), catVal = standardTable(), euskera = standardTable();
    loaders::loadRaw(context(), QStringLiteral("cas/familias"), cas);
    loaders::loadRaw(context(), QStringLiteral("catVal/familias"), catVal);
    loaders::loadRaw(context(), QStringLiteral("euskera/familias"), euskera);
    EXPECT_EQ(catVal[2], "2Administraci\xF3 i Gesti\xF3");
    EXPECT_EQ(euskera[2], cas[2]);
    EXPECT_EQ(catVal[kFirstGroupLine], cas[kFirstGroupLine]) << "an untranslated group keeps its Castilian name";

    // A translated title keeps its line; its untranslated jobs fall back.
    const LoadedCatalogue castilian = catalogue("cas", "fp", "asignafp");
    const LoadedCatalogue catalan = catalogue("catVal", "fp", "asignafp");
    ASSERT_EQ(catalan.lines.count, castilian.lines.count);
    int finance = 0;
    for (int d = 1; d <= catalan.lines.count; ++d)
        if (trimmed(catalan.lines[d]) == "Administraci\xF3 i Finances")
            finance = d;
    ASSERT_NE(finance, 0);
    EXPECT_EQ(trimmed(castilian.lines[finance]), "Administraci\xF3n y Finanzas");
    EXPECT_EQ(catalan.details.line(finance, 1), castilian.details.line(finance, 1));
    EXPECT_NE(catalan.details.line(finance, 6), castilian.details.line(finance, 6));
}

// A copy of the real sources (fp and the geography tables), for one file to be replaced.
struct FpSources {
    FpSources()
    {
        // The geography maps are not read by the centres: only its text files are copied.
        for (const auto& [folder, flags] :
             {std::pair {"fp", QDirIterator::Subdirectories}, std::pair {"geography", QDirIterator::NoIteratorFlags}}) {
            const QDir root(QStringLiteral(TRAZELA_EDITION_SOURCES));
            QDirIterator files(root.filePath(QLatin1String(folder)), QDir::Files, flags);
            while (files.hasNext()) {
                const QString path = files.next();
                QFile file(path);
                if (file.open(QIODevice::ReadOnly))
                    sources.writeBytes(root.relativeFilePath(path), file.readAll());
            }
        }
    }

    QByteArray read(const QString& file) const
    {
        QFile source(sources.filePath(file));
        source.open(QIODevice::ReadOnly);
        return source.readAll();
    }

    // The errors of a compilation, and what it printed.
    int compile(std::string& printed)
    {
        Diagnostics diagnostics;
        OutputFolder out(output.path(), diagnostics);
        testing::internal::CaptureStderr();
        compileVocationalTraining(sources.path(), out, diagnostics);
        printed = testing::internal::GetCapturedStderr();
        return diagnostics.errors();
    }

    FixtureFolder sources;
    FixtureFolder output;
};

QByteArray titles(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "== t" + QByteArray::number(i) + "\nfamily: ADG\nname: T\nduration: 1\n";
    return text;
}

TEST(FpErrors, SourceProblemsAreReportedAtTheirLine)
{
    const QByteArray centre = "== c\nplace: Almería\ntown: Almería\nname: IES A\nphone: 950000000\n";
    const QByteArray madrid = "== m\nplace: Madrid (capital)\ntown: Madrid\nname: IES M\nphone: 910000000\n";
    const QByteArray title = "== t\nfamily: ADG\nname: T\nduration: 1\n";
    QByteArray longModules = title;
    for (int i = 0; i < 19; ++i)
        longModules += "module: M\n";
    struct Case {
        const char* file;
        QByteArray content;
        bool append;
        std::string expected; // file:line and message
    };
    const Case cases[] = {
        {"fp/cas/requirements.txt", "bach\tOtra vez\n", true, "requirements.txt:14: error: key \"bach\" already used"},
        {"fp/cas/higher.txt", "== x\nfamily: XYZ\nname: T\nduration: 1\n", true, "unknown family \"XYZ\""},
        {"fp/cas/higher.txt", "== x\nfamily: ADG\nname: T\nduration: 1\nrequires: nada\n", true,
         "unknown requirement \"nada\""},
        {"fp/cas/higher.txt", "== x\nfamily: ADG\nname: T\nduration: 1\ncolour: red\n", true,
         "unknown field \"colour\""},
        {"fp/cas/higher.txt", "== x\nfamily: ADG\nname: T\nduration: 1\ngroups: 14\n", true,
         "advice groups must be 1..13"},
        {"fp/cas/intermediate.txt", title + "name: " + QByteArray(61, 'x') + "\n", false, "\"name\" given twice"},
        {"fp/cas/basic.txt", "== x\nfamily: ADG\nname: " + QByteArray(60, 'x') + "\nduration: 1\n", false,
         "basic.txt:3: error: \"" + std::string(60, 'x') + "\" is longer than 59 characters"},
        {"fp/cas/higher.txt", longModules, false, "the modules need more than the 18 lines"},
        {"fp/cas/higher.txt", titles(171), false, "the catalogue has 198 lines; the program holds 170"},
        {"fp/cas/family-groups.txt", "a\tADG\tUno\n", false, "1 entries given, 9 expected"},
        {"fp/cas/families.txt", "ADG\tRepetida\n", true, "key \"ADG\" already used"},
        {"fp/centres/x.txt", centre + "higher: nada\n", false, "x.txt:1: error: unknown higher title \"nada\""},
        {"fp/centres/x.txt", "== c\nplace: Atlántida\ntown: A\nname: B\nphone: 950000000\n", false,
         "unknown place \"Atlántida\""},
        {"fp/centres/x.txt", centre + "town: Un pueblo muy largo\n", false, "\"town\" given twice"},
        {"fp/centres/x.txt", "== c\nplace: Almería\ntown: Villanueva del Arzobispo\nname: N\nphone: 950000000\n", false,
         "x.txt:3: error: \"Villanueva del Arzobispo\" is longer than 17 characters"},
        {"fp/centres/x.txt", "== c\nplace: Almería\ntown: A\nname: N\nphone: 95-000\n", false,
         "x.txt:5: error: a telephone number is 9 digits"},
        {"fp/centres/x.txt", madrid, false, "a centre of Madrid (capital) needs its zone"},
        {"fp/centres/x.txt", "== c\nplace: Girona\nzone: Segrià\ntown: G\nname: N\nphone: 972000000\n", false,
         "x.txt:3: error: \"Segrià\" is not in the province of the place"},
        {"fp/centres/x.txt", centre + "zone: Tetuán\n", false, "only centres of Catalonia and Madrid have a zone"},
        {"fp/centres/x.txt", centre + "basic: " + QByteArray("ADG-servicios ").repeated(2) + "\n", false,
         "listed twice"},
        {"fp/centres/x.txt", "== ies-alhadra-almeria\nplace: Almería\ntown: A\nname: N\nphone: 950000000\n", false,
         "x.txt:1: error: centre \"ies-alhadra-almeria\" is also in fp/centres/andalucia.txt"},
        {"fp/family-statistics.txt", "AFD\t4,1\t1.00\t10\n", false, "a share in %"},
        {"fp/cas/certificates.txt", "== X\nfamily: ADG\nname: N\nhours: 1200\ndescription: D\n", true,
         "hours must be 1..999"},
        {"fp/catVal/families.txt", "XYZ\tNom\n", false, "catVal/families.txt:1: error: no Castilian record \"XYZ\""},
        {"fp/catVal/higher.txt", "== ADG-finanzas\nfamily: COM\n", false, "\"family\" is not translated"},
        {"fp/galego/higher.txt", "== ADG-finanzas\nname: " + QByteArray(61, 'x') + "\n", false,
         "galego/higher.txt:2: error:"},
    };
    for (const Case& c : cases) {
        FpSources sources;
        const QString file = QLatin1String(c.file);
        QByteArray content = c.content;
        if (c.append)
            content = sources.read(file) + "\n" + content;
        sources.sources.writeBytes(file, content);
        std::string printed;
        EXPECT_GT(sources.compile(printed), 0) << c.file << ": " << c.content.toStdString();
        EXPECT_NE(printed.find(c.expected), std::string::npos) << c.expected << "\nprinted:\n" << printed;
    }
}

TEST(FpErrors, MadridCentresNeedACuencaLineAfterThem)
{
    FpSources sources;
    const QString cuenca = QStringLiteral("fp/centres/castilla-la-mancha.txt");
    QByteArray content = sources.read(cuenca);
    content.replace("place: Cuenca", "place: Toledo");
    sources.sources.writeBytes(cuenca, content);
    std::string printed;
    EXPECT_GT(sources.compile(printed), 0);
    EXPECT_NE(printed.find("need at least one centre of Cuenca"), std::string::npos) << printed;
}

TEST(FpErrors, ABrokenCatalogueWritesNoTables)
{
    FpSources sources;
    sources.sources.writeBytes(QStringLiteral("fp/cas/higher.txt"), "== x\nfamily: XYZ\nname: T\nduration: 1\n");
    std::string printed;
    ASSERT_GT(sources.compile(printed), 0);
    EXPECT_FALSE(QFile::exists(sources.output.filePath(QStringLiteral("cas/fp"))));
    EXPECT_FALSE(QFile::exists(sources.output.filePath(QStringLiteral("datfps"))));
}

} // namespace

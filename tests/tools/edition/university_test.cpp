#include "university.h"

#include "data/load_context.h"
#include "data/record_files.h"
#include "data/structured_tables.h"
#include "data/text_loaders.h"
#include "platform/cp1252.h"
#include "support/fixture_folder.h"
#include "support/recording_messages.h"

#include <QDirIterator>
#include <QFile>
#include <cctype>
#include <gtest/gtest.h>
#include <set>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string trimmed(const std::string& text)
{
    return std::string(text::trimRight(text));
}

// The university sources and the two files of other domains they refer to,
// copied into a fixture folder that a test may change.
struct UniversitySources {
    UniversitySources()
    {
        const QString real = QStringLiteral(TRAZELA_EDITION_SOURCES "/");
        QDirIterator files(real + QStringLiteral("university"), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            sources.writeBytes(path.mid(real.size()), readFile(path));
        }
        for (const char* file : {"geography/communities.txt", "guidance/professions.txt"})
            sources.writeBytes(QLatin1String(file), readFile(real + QLatin1String(file)));
    }

    int compileErrors()
    {
        Diagnostics diagnostics;
        OutputFolder out(output.path(), diagnostics);
        compileUniversity(sources.path(), out, diagnostics);
        return diagnostics.errors();
    }

    void write(const char* file, const QByteArray& content) { sources.writeBytes(QLatin1String(file), content); }
    void append(const char* file, const QByteArray& content)
    {
        write(file, readFile(sources.filePath(QLatin1String(file))) + content);
    }

    FixtureFolder sources;
    FixtureFolder output;
};

// The real sources, compiled once and read back with the program's loaders.
class CompiledUniversity : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        compiled = new UniversitySources;
        errors = compiled->compileErrors();
    }
    static void TearDownTestSuite() { delete compiled; }

    LoadContext context() { return LoadContext(compiled->output.path(), aborted); }
    QString outputPath(const char* file) const { return compiled->output.filePath(QLatin1String(file)); }

    // The degree number of a Castilian name, 0 when there is none.
    static int degreeNamed(const TextTable& names, const std::string& name)
    {
        for (int d = 1; d <= names.count; ++d)
            if (trimmed(names[d]) == cp1252::encode(QString::fromStdString(name)))
                return d;
        return 0;
    }
    static int placeNamed(const Places& places, const std::string& name)
    {
        for (int p = 1; p <= places.count; ++p)
            if (trimmed(places.names[p]) == cp1252::encode(QString::fromStdString(name)))
                return p;
        return 0;
    }

    static inline UniversitySources* compiled = nullptr;
    static inline int errors = 0;
    bool aborted = false;
    RecordingMessages messages;
};

TEST_F(CompiledUniversity, DegreeTablesAndRecordsJoinAsTheBrowserReadsThem)
{
    ASSERT_EQ(errors, 0);
    TextTable names = standardTable();
    const int degrees = loaders::loadFilled(context(), QStringLiteral("cas/carreran"), names, 60);
    TextTable groups = standardTable();
    const int groupCount = loaders::loadFilled(context(), QStringLiteral("cas/carreranb"), groups, 60);
    Places places;
    ASSERT_GT(loaders::loadPlaces(context(), QStringLiteral("lugar"), places), 30);
    IntRecords records(350, 14);
    ByteLists placeLists(2, 350, 100);
    ASSERT_TRUE(loaders::loadRecords(context(), QStringLiteral("datgrados"), records));
    ASSERT_TRUE(loaders::loadRecords(context(), QStringLiteral("datcarn"), placeLists));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QLatin1Char(';')).toStdString();
    ASSERT_GE(degrees, 40);

    std::set<int> codes;
    std::set<int> branches;
    for (int d = 1; d <= degrees; ++d) {
        SCOPED_TRACE(names[d]);
        branches.insert(records.field(d, 1));
        EXPECT_GE(records.field(d, 2), 1);
        EXPECT_LE(records.field(d, 2), groupCount);
        EXPECT_GE(records.field(d, 3), 1);
        EXPECT_LE(records.field(d, 3), 12);
        EXPECT_TRUE(codes.insert(records.field(d, 10)).second) << "code " << records.field(d, 10);
        ASSERT_GE(placeLists.length(1, d), 1) << "every degree is taught somewhere";
        EXPECT_EQ(placeLists.length(2, d), placeLists.length(1, d));
        for (int k = 1; k <= placeLists.length(1, d); ++k) {
            EXPECT_GE(placeLists.value(1, d, k), 1);
            EXPECT_LE(placeLists.value(1, d, k), places.count);
            const int mark = placeLists.value(2, d, k);
            EXPECT_TRUE(mark == 10 || (mark >= 50 && mark <= 140)) << mark;
        }
    }
    EXPECT_EQ(branches, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(records.field(degrees + 1, 10), 0) << "records past the degrees stay empty";

    const int medicine = degreeNamed(names, "Grado en Medicina");
    ASSERT_GT(medicine, 0);
    EXPECT_EQ(records.field(medicine, 1), 5);
    EXPECT_EQ(trimmed(groups[records.field(medicine, 2)]), "Medicina y Odontolog\xED" "a");
    const int seville = placeNamed(places, "Universidad de Sevilla");
    ASSERT_GT(seville, 0);
    EXPECT_EQ(places.regions[size_t(seville)], 1);
    EXPECT_EQ(places.addresses[size_t(seville)], "us.es");
    EXPECT_EQ(placeLists.value(1, medicine, 1), seville) << "places keep the order of the degree's source";
}

TEST_F(CompiledUniversity, AlternativeNamesAndSubjectsFollowTheirNumbers)
{
    ASSERT_EQ(errors, 0);
    TextTable names = standardTable();
    const int degrees = loaders::loadFilled(context(), QStringLiteral("cas/carreran"), names, 60);
    TextTable altNames = altNameTable();
    loaders::loadLongLines(context(), QStringLiteral("cas/carrenue"), altNames, 60);
    ByteLists placeLists(2, 350, 100);
    ByteLists altLists(2, 350, 100);
    ASSERT_TRUE(loaders::loadRecords(context(), QStringLiteral("datcarn"), placeLists));
    ASSERT_TRUE(loaders::loadRecords(context(), QStringLiteral("datcarnue"), altLists));
    EXPECT_TRUE(text::isBlank(altNames[0])) << "line 1 stands for no alternative name";

    const AltNameIndex index = buildAltNameIndex(altLists, placeLists, degrees);
    const AltNameRow& computing = index[size_t(degreeNamed(names, "Grado en Ingenier\xC3\xAD" "a Inform\xC3\xA1tica"))];
    std::vector<std::string> shown;
    for (int n = 0; n < computing.count; ++n)
        shown.push_back(trimmed(altNames[computing.names[size_t(n)] - 1]));
    EXPECT_EQ(shown, (std::vector<std::string>{"Grado en Ingenier\xED" "a Inform\xE1tica - Tecnolog\xED" "as Inform\xE1ticas",
                                               "Grado en Ingenier\xED" "a en Inform\xE1tica"}));
    EXPECT_EQ(index[size_t(degreeNamed(names, "Grado en Medicina"))].count, 0);

    // The Bachillerato subjects keep the numbers the requirements page uses.
    const auto lines = context().readLines(QStringLiteral("cas/materiasp"));
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 23u);
    const std::pair<int, const char*> numbered[] = {
        {3, "Biolog\xED" "a"}, {7, "Dibujo T\xE9" "cnico II"}, {9, "Econom\xED" "a"}, {11, "F\xEDsica"},
        {16, "Lat\xEDn II"}, {19, "Matem\xE1ticas II"}, {21, "Qu\xEDmica"}, {23, "Tecnolog\xED" "a Industrial II"},
    };
    for (const auto& [n, name] : numbered)
        EXPECT_EQ((*lines)[size_t(n - 1)], name) << n;
}

TEST_F(CompiledUniversity, DoubleDegreesHaveOneBlockPerPlaceAndNameDegreesByCode)
{
    ASSERT_EQ(errors, 0);
    TextTable names = standardTable();
    const int degrees = loaders::loadFilled(context(), QStringLiteral("cas/carreran"), names, 60);
    Places places;
    loaders::loadPlaces(context(), QStringLiteral("lugar"), places);
    IntRecords records(350, 14);
    ASSERT_TRUE(loaders::loadRecords(context(), QStringLiteral("datgrados"), records));
    DoubleDegrees doubles;
    ASSERT_EQ(loaders::loadDoubleDegrees(context(), QStringLiteral("dobles"), doubles, records, degrees), places.count);
    EXPECT_TRUE(messages.shown.isEmpty());
    for (int k = 1; k <= places.count; ++k)
        EXPECT_EQ(doubles.universities[size_t(k)].region, places.regions[size_t(k)]) << "block " << k;

    const auto& carlos = doubles.universities[size_t(placeNamed(places, "Universidad Carlos III de Madrid"))];
    ASSERT_GE(carlos.count, 1);
    EXPECT_EQ(trimmed(carlos.name), "UNIVERSIDAD CARLOS III DE MADRID");
    EXPECT_EQ(carlos.entries[1].firstDegree, degreeNamed(names, "Grado en Derecho"));
    EXPECT_EQ(carlos.entries[1].secondDegree, degreeNamed(names, "Grado en Administraci\xC3\xB3n y Direcci\xC3\xB3n de Empresas"));
    EXPECT_EQ(carlos.entries[1].mark, "11,9");
    const auto& deusto = doubles.universities[size_t(placeNamed(places, "Universidad de Deusto"))];
    ASSERT_EQ(deusto.count, 1);
    EXPECT_EQ(deusto.entries[1].mark, " -  ") << "a pair without a mark";
}

TEST_F(CompiledUniversity, EveryDegreeHasItsPageUnderItsCode)
{
    ASSERT_EQ(errors, 0);
    TextTable names = standardTable();
    const int degrees = loaders::loadFilled(context(), QStringLiteral("cas/carreran"), names, 60);
    IntRecords records(350, 14);
    ASSERT_TRUE(loaders::loadRecords(context(), QStringLiteral("datgrados"), records));
    const auto lines = context().readLines(QStringLiteral("grados.txt"));
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->back(), "<<");
    for (int d = 1; d <= degrees; ++d) {
        // The page lookup: the first line holding the key, the text from two
        // lines below it to the next line holding "<<".
        const std::string key = QStringLiteral("<<%1").arg(records.field(d, 10), 3).toStdString();
        const auto at = std::find_if(lines->begin(), lines->end(), [&](const std::string& l) { return l.find(key) != std::string::npos; });
        ASSERT_NE(at, lines->end()) << key;
        const auto end = std::find_if(at + 3, lines->end(), [](const std::string& l) { return l.find("<<") != std::string::npos; });
        ASSERT_NE(end, lines->end());
        const std::vector<std::string> page(at + 2, end);
        EXPECT_EQ(page.front(), trimmed(names[d]));
        for (const char* heading : {"Perfil del Alumno", "Salidas Profesionales", "Qu\xE9 estudiar\xE9"})
            EXPECT_NE(std::find(page.begin(), page.end(), heading), page.end()) << key << " " << heading;
    }
}

TEST_F(CompiledUniversity, StudiesPagesHaveTheirLayouts)
{
    ASSERT_EQ(errors, 0);
    for (const char* folder : {"cas/", "catVal/", "galego/", "euskera/"}) {
        SCOPED_TRACE(folder);
        TextTable items = standardTable();
        const int count = loaders::loadFilled(context(), QLatin1String(folder) + QLatin1String("otros"), items, 55);
        BlockTable pages = blockTable51();
        loaders::loadBlocks(context(), QLatin1String(folder) + QLatin1String("asignaot"), pages);
        ASSERT_GT(count, 5);
        EXPECT_EQ(items[count].substr(0, 3), "  3");
        EXPECT_EQ(items[count - 3][0], '-');
        EXPECT_TRUE(text::isBlank(items[count - 4]));
        EXPECT_EQ(pages.groupCount, count - 5) << "one page per study";
        EXPECT_TRUE(text::isBlank(pages.line(1, 50).substr(0, 16)));

        for (const char* art : {"artesplas", "musica", "danza", "dramatico"}) {
            TextTable lines = standardTable();
            const int n = loaders::loadFilled(context(), QLatin1String(folder) + QLatin1String(art), lines, 90);
            int f1 = 0;
            int f2 = 0;
            for (int i = 1; i <= n; ++i) {
                f1 = lines[i].substr(0, 2) == "f1" ? i : f1;
                f2 = lines[i].substr(0, 2) == "f2" ? i : f2;
            }
            ASSERT_GT(f1, 1) << art;
            ASSERT_GT(f2, f1) << art;
            if (std::string(art) == "artesplas") {
                EXPECT_EQ(lines[f1 + 1].substr(0, 2), "00");
                EXPECT_EQ(lines[f1 + 17].substr(0, 2), "16");
                EXPECT_EQ(lines[f1 + 18].substr(0, 2), " 1") << "the first school, of Andalusia";
                EXPECT_EQ(lines[f1 + 19].substr(0, 9), "  http://");
            }
            if (std::string(art) == "dramatico") {
                EXPECT_TRUE(text::isBlank(lines[f2 + 1]));
                EXPECT_EQ(lines[f2 + 2].substr(0, 15), "0Especialidades");
                EXPECT_EQ(lines[f2 + 10][0], '-');
                EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(lines[f2 + 10][40])));
            }
        }
        EXPECT_FALSE(readFile(outputPath(folder) + QStringLiteral("master.txt")).isEmpty());
    }
}

TEST_F(CompiledUniversity, DocumentsAreReadablePdfFiles)
{
    ASSERT_EQ(errors, 0);
    for (const char* file : {"pdf/Andalucia.pdf", "pdf/Madrid.pdf", "pdf/UNED.pdf", "pdf/est/Becas.pdf",
                             "pdf/est/DeportesCentros.pdf", "pdf/est/insercionLaboral.pdf"}) {
        const QByteArray bytes = readFile(outputPath(file));
        EXPECT_TRUE(bytes.startsWith("%PDF-")) << file;
        EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF")) << file;
    }
}

TEST(UniversityTranslations, MissingEntriesFallBackToCastilian)
{
    UniversitySources university;
    university.write("university/translations/catVal/degrees.txt", "medicina\tGrau en Medicina\n");
    university.write("university/translations/catVal/master.txt", "-M\xC3\x80STER\n");
    university.sources.remove(QStringLiteral("university/translations/galego/degrees.txt"));
    ASSERT_EQ(university.compileErrors(), 0);
    bool aborted = false;
    const LoadContext context(university.output.path(), aborted);
    TextTable castilian = standardTable();
    TextTable catalan = standardTable();
    TextTable galician = standardTable();
    const int degrees = loaders::loadFilled(context, QStringLiteral("cas/carreran"), castilian, 60);
    ASSERT_EQ(loaders::loadFilled(context, QStringLiteral("catVal/carreran"), catalan, 60), degrees);
    loaders::loadFilled(context, QStringLiteral("galego/carreran"), galician, 60);
    int translated = 0;
    for (int d = 1; d <= degrees; ++d) {
        if (trimmed(castilian[d]) == "Grado en Medicina") {
            EXPECT_EQ(trimmed(catalan[d]), "Grau en Medicina");
            ++translated;
        } else {
            EXPECT_EQ(catalan[d], castilian[d]);
        }
        EXPECT_EQ(galician[d], castilian[d]);
    }
    EXPECT_EQ(translated, 1);
    EXPECT_EQ(readFile(university.output.filePath(QStringLiteral("catVal/master.txt"))), "-M\xC0STER\r\n");
    EXPECT_NE(readFile(university.output.filePath(QStringLiteral("galego/master.txt"))),
              readFile(university.output.filePath(QStringLiteral("catVal/master.txt"))));
}

QByteArray manyLines(const QByteArray& pattern, int count)
{
    QByteArray lines;
    for (int i = 0; i < count; ++i)
        lines += QByteArray(pattern).replace("%", QByteArray::number(i)) + '\n';
    return lines;
}

TEST(UniversityErrors, EachSourceProblemIsReportedOnce)
{
    const QByteArray degree = "name\tGrado en Prueba\nbranch\t2\ngroup\tquimica\nadvice\t4\ncode\t900\n"
                              "place\tus\t8,5\ntext\nPerfil del Alumno\nSalidas Profesionales\nQu\xC3\xA9 estudiar\xC3\xA9\n";
    const QByteArray drama = "[access]\nx\n[studies]\ny\n[specialties]\n-\tEspecialidades\n";
    // The real study list with the sports centres moved to fourth place: the translations keep their keys.
    const QByteArray menu = readFile(QStringLiteral(TRAZELA_EDITION_SOURCES "/university/other-studies/menu.txt"))
                                .replace("idiomas\t", "@\t")
                                .replace("centros-deportivos\t", "idiomas\t")
                                .replace("@\t", "centros-deportivos\t");
    enum Mode { Replace, Append };
    struct Case {
        const char* what;
        const char* file;
        Mode mode;
        QByteArray content;
    };
    const Case cases[] = {
        {"unknown community", "university/places.txt", Append, "new\tAtl\xC3\xA1ntida\tUniversidad Nueva\tnueva.es\n"},
        {"place name wider than 35", "university/places.txt", Append, "new\tMadrid\tUniversidad Nueva de Madrid, Campus Norte\tnueva.es\n"},
        {"address with the scheme", "university/places.txt", Append, "new\tMadrid\tUniversidad Nueva\thttp://nueva.es\n"},
        {"place key twice", "university/places.txt", Append, "us\tMadrid\tUniversidad Nueva\tnueva.es\n"},
        {"more places than the double degrees hold", "university/places.txt", Append, manyLines("p%\tMadrid\tUniversidad %\tu.es", 66)},
        {"place block twice", "university/double-degrees.txt", Append, "us\n"},
        {"unknown degree", "university/double-degrees.txt", Append, "uclm-almaden\n\tderecho\tastronomia\t9,0\n"},
        {"unknown place", "university/degrees/prueba.txt", Replace, QByteArray(degree).replace("\tus\t", "\tnowhere\t")},
        {"unknown title group", "university/degrees/prueba.txt", Replace, QByteArray(degree).replace("quimica", "alquimia")},
        {"unknown subject", "university/degrees/prueba.txt", Replace, "subjects\tastrologia\n" + degree},
        {"unknown profession", "university/degrees/prueba.txt", Replace, "professions\twizard\n" + degree},
        {"unknown alternative name", "university/degrees/prueba.txt", Replace, QByteArray(degree).replace("8,5", "8,5\tnone")},
        {"mark out of range", "university/degrees/prueba.txt", Replace, QByteArray(degree).replace("8,5", "15,0")},
        {"mark written with a point", "university/degrees/prueba.txt", Replace, QByteArray(degree).replace("8,5", "8.5")},
        {"branch out of range", "university/degrees/prueba.txt", Replace, QByteArray(degree).replace("branch\t2", "branch\t6")},
        {"code shared with another degree", "university/degrees/prueba.txt", Replace, QByteArray(degree).replace("900", "45")},
        {"field given twice", "university/degrees/prueba.txt", Replace, "advice\t5\n" + degree},
        {"required field missing", "university/degrees/prueba.txt", Replace, QByteArray(degree).replace("code\t900\n", "")},
        {"unknown field", "university/degrees/prueba.txt", Replace, "colour\tred\n" + degree},
        {"page without a section", "university/degrees/prueba.txt", Replace, QByteArray(degree).replace("Salidas Profesionales\n", "")},
        {"text with the key mark", "university/degrees/prueba.txt", Replace, degree + "<< no\n"},
        {"name wider than 60", "university/degrees/prueba.txt", Replace, QByteArray(degree).replace("Prueba", QByteArray(60, 'x'))},
        {"character outside Windows-1252", "university/degrees/prueba.txt", Replace, degree + "\xE2\x86\x92\n"},
        {"alternative names past the table", "university/alt-names.txt", Append, manyLines("a%\tGrado %", 189)},
        {"24 subjects", "university/subjects.txt", Append, "astrologia\tAstrolog\xC3\xAD" "a\n"},
        {"translation of an unknown key", "university/translations/galego/title-groups.txt", Replace, "alquimia\tAlquimia\n"},
        {"sports centres not third", "university/other-studies/menu.txt", Replace, menu},
        {"page ended early by blank lines", "university/other-studies/idiomas.txt", Append,
         "                  b\n                  c\n"},
        {"16 plastic arts specialty lines", "university/arts/artesplas.txt", Replace,
         "[access]\nx\n[specialties]\n-\tEspecialidades\n" + manyLines("k%\tEspecialidad %", 15) + "[schools]\n"},
        {"unknown drama specialty", "university/arts/dramatico.txt", Replace,
         drama + manyLines("k%\tEspecialidad %", 7) + "[schools]\nRESAD\t913000000\tmimo\thttp://www.resad.es\n"},
        {"section missing", "university/arts/danza.txt", Replace, "[access]\nx\n[schools]\ny\n"},
        {"arts line wider than 60", "university/arts/danza.txt", Replace,
         "[access]\n" + QByteArray(61, 'x') + "\n[specialties]\n[schools]\n"},
        {"weighting scope unknown", "university/weightings.txt", Append, "Atlantida\tAtl\xC3\xA1ntida\tPonderaciones\n"},
    };
    for (const Case& c : cases) {
        UniversitySources university;
        university.write("university/weightings.txt", "UNED\tuned\tPonderaciones - UNED\n"); // fewer files to write
        if (c.mode == Append)
            university.append(c.file, c.content);
        else
            university.write(c.file, c.content);
        EXPECT_EQ(university.compileErrors(), 1) << c.what;
    }
}

TEST(UniversityErrors, DocumentTheProgramOpensMustExist)
{
    UniversitySources university;
    university.sources.remove(QStringLiteral("university/documents/Becas.txt"));
    EXPECT_EQ(university.compileErrors(), 1);
}

} // namespace

#include "guidance.h"

#include "data/load_context.h"
#include "data/record_files.h"
#include "data/text_loaders.h"
#include "languages.h"
#include "support/fixture_folder.h"
#include "support/recording_messages.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <cctype>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace {

// A copy of the real guidance sources, compiled on demand.
struct GuidanceSources {
    GuidanceSources()
    {
        const QDir real(QStringLiteral(TRAZELA_EDITION_SOURCES "/guidance"));
        QDirIterator it(real.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            sources.writeBytes(QStringLiteral("guidance/") + real.relativeFilePath(path), file.readAll());
        }
    }

    QString sourcePath(const char* name) const { return sources.filePath(QStringLiteral("guidance/") + QLatin1String(name)); }

    QByteArray read(const char* name) const
    {
        QFile file(sourcePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void write(const char* name, const QByteArray& content) const
    {
        sources.writeBytes(QStringLiteral("guidance/") + QLatin1String(name), content);
    }

    int compileErrors()
    {
        Diagnostics diagnostics;
        OutputFolder out(output.path(), diagnostics);
        compileGuidance(sources.path(), out, diagnostics);
        warnings = diagnostics.warnings();
        return diagnostics.errors();
    }

    FixtureFolder sources;
    FixtureFolder output;
    int warnings = 0; // of the last compilation
};

QString languageFile(size_t language, const char* name)
{
    return QLatin1String(kLanguages[language].folder) + QLatin1String(name);
}

// Section codes (the first two characters) present in a long-line table.
std::set<std::string> sectionCodes(const TextTable& table)
{
    std::set<std::string> codes;
    for (int i = 0; i < table.count; ++i)
        codes.insert(table[i].substr(0, 2));
    return codes;
}

// The real sources, compiled once and read back with the program's loaders.
class CompiledGuidance : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        compiled = new GuidanceSources;
        errors = compiled->compileErrors();
    }
    static void TearDownTestSuite() { delete compiled; }

    LoadContext context() { return LoadContext(compiled->output.path(), aborted); }
    std::vector<std::string> rawLines(const QString& path) { return context().readLines(path).value_or(std::vector<std::string>()); }

    static inline GuidanceSources* compiled = nullptr;
    static inline int errors = 0;
    bool aborted = false;
    RecordingMessages messages;
};

TEST_F(CompiledGuidance, QuestionnaireTablesAndGroupsLoad)
{
    ASSERT_EQ(errors, 0);
    ByteLists groups(3, 20, 50);
    ASSERT_TRUE(loaders::loadRecords(context(), QStringLiteral("datgrub"), groups));
    EXPECT_EQ(QFileInfo(compiled->output.filePath("datgrub")).size(), 3060);

    for (size_t l = 0; l < kLanguages.size(); ++l) {
        TextTable cuestion = standardTable(), itinerar = standardTable(), cuesgm = wideTable();
        TextTable cualidad = standardTable(), interes = standardTable();
        ASSERT_EQ(loaders::loadFilled(context(), languageFile(l, "cuestion"), cuestion, 50), 112);
        EXPECT_EQ(loaders::loadFilled(context(), languageFile(l, "itinerar"), itinerar, 54), 52);
        const int fpLines = loaders::loadFilled(context(), languageFile(l, "cuesgm"), cuesgm, 75);
        EXPECT_EQ(loaders::loadFilled(context(), languageFile(l, "cualidad"), cualidad, 60), 86);
        EXPECT_EQ(loaders::loadFilled(context(), languageFile(l, "interes"), interes, 60), 121);

        for (int q = 1; q <= cuestion.count; ++q) {
            const std::string& line = cuestion[q];
            EXPECT_TRUE(line[0] >= '0' && line[0] <= '9') << "question " << q;
            EXPECT_TRUE(line[1] >= '2' && line[1] <= '5') << "question " << q;
        }
        if (l == 0) {
            const char* modalities[] = {"ARTES", "HUMANIDADES", "CIENCIAS SOCIALES", "CIENCIAS E INGENIERÍA",
                                        "CIENCIAS DE LA SALUD", "CIENCIAS"};
            for (int m = 0; m < 6; ++m)
                EXPECT_EQ(itinerar.text(22 + m).left(35).trimmed(), QString::fromUtf8(modalities[m]));
            EXPECT_EQ(itinerar.text(12).trimmed(), QStringLiteral("Ingenierías (4 años)"));
        }
        EXPECT_TRUE(itinerar.text(28).trimmed().isEmpty());

        ASSERT_GT(fpLines, 11);
        if (l == 0) {
            EXPECT_TRUE(cuesgm.text(11).startsWith(QStringLiteral("No lo sé")));
        }
        for (int q = 12; q <= fpLines; ++q) {
            const std::string& line = cuesgm[q];
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(line[0])) &&
                        std::isdigit(static_cast<unsigned char>(line[1])))
                << "fp question " << q - 11;
        }

        // Every advice group has members that are items of its list.
        for (int record = 1; record <= 2; ++record)
            for (int g = 1; g <= 12; ++g) {
                const int items = record == 1 ? cualidad.count : interes.count;
                ASSERT_GT(groups.length(record, g), 0) << "record " << record << " group " << g;
                for (int i = 1; i <= groups.length(record, g); ++i)
                    EXPECT_LE(groups.value(record, g, i), items);
            }
    }

    // Question groups: study habits 14..19 reach into the short questionnaire,
    // career groups have questions after it.
    for (int g = 1; g <= 20; ++g) {
        ASSERT_GT(groups.length(3, g), 0) << "group " << g;
        for (int i = 1; i <= groups.length(3, g); ++i)
            EXPECT_TRUE(groups.value(3, g, i) >= 1 && groups.value(3, g, i) <= 112);
    }
    for (int g = 14; g <= 19; ++g)
        EXPECT_LE(groups.value(3, g, 1), 35) << "group " << g;
    for (int g = 1; g <= 13; ++g)
        EXPECT_GT(groups.value(3, g, groups.length(3, g)), 35) << "group " << g;
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(CompiledGuidance, ProfessionFilesAgreeOnCodesAndNumbers)
{
    ASSERT_EQ(errors, 0);
    for (size_t l = 0; l < kLanguages.size(); ++l) {
        TextTable activida = standardTable(), profesio = standardTable();
        ASSERT_EQ(loaders::loadRaw(context(), languageFile(l, "activida"), activida), 27);
        const int professions = loaders::loadRaw(context(), languageFile(l, "profesio"), profesio);
        std::set<std::string> codes;
        for (int a = 1; a <= 27; ++a) {
            codes.insert(activida[a].substr(0, 4));
            EXPECT_EQ(activida[a][4], ' ');
        }
        EXPECT_EQ(codes.size(), 27u);

        const auto shortPhrases = rawLines(languageFile(l, "fracortas"));
        const auto longPhrases = rawLines(languageFile(l, "fralargas"));
        ASSERT_EQ(longPhrases.size(), 15u);
        for (const std::string& line : longPhrases) {
            const std::string fields = line + std::string(22, ' ');
            EXPECT_TRUE(codes.count(fields.substr(115, 4))) << line;
            for (size_t at : {120u, 125u, 130u})
                EXPECT_TRUE(codes.count(fields.substr(at, 4)) || fields.substr(at, 4) == "    ") << line;
        }
        for (const std::string& line : shortPhrases)
            EXPECT_TRUE(codes.count(line.substr(0, 4))) << line;

        // Professions: codes known, phrase numbers within the short phrases.
        const auto professionLines = rawLines(languageFile(l, "profesio"));
        ASSERT_EQ(static_cast<int>(professionLines.size()), professions);
        for (const std::string& raw : professionLines) {
            const std::string line = raw + std::string(22, ' ');
            EXPECT_TRUE(codes.count(line.substr(0, 4))) << raw;
            EXPECT_TRUE(codes.count(line.substr(5, 4)) || line.substr(5, 4) == "    ") << raw;
            for (size_t at : {50u, 53u}) {
                const int number = std::atoi(line.substr(at, 3).c_str());
                EXPECT_TRUE(number >= 0 && number <= static_cast<int>(shortPhrases.size())) << raw;
            }
            EXPECT_GT(std::atoi(line.substr(50, 3).c_str()), 0) << raw;
        }
    }
}

TEST_F(CompiledGuidance, InformationTablesHoldWhatTheScreensRead)
{
    ASSERT_EQ(errors, 0);
    for (size_t l = 0; l < kLanguages.size(); ++l) {
        TextTable informa = longLineTable(), materias = longLineTable();
        ASSERT_GT(loaders::loadLongLines(context(), languageFile(l, "informa_l"), informa, 60), 54);
        ASSERT_GT(loaders::loadLongLines(context(), languageFile(l, "materias_l"), materias, 60), 0);
        for (int n = 1; n <= 54; ++n)
            EXPECT_EQ(informa[n - 1].substr(0, 3), QStringLiteral("T%1").arg(n, 2, 10, QLatin1Char('0')).toStdString());
        const char* const basicFpTitles[] = {"Formación Profesional Básica", "Formació Professional Bàsica",
                                             "Formación Profesional Básica", "Oinarrizko Lanbide Heziketa"};
        EXPECT_EQ(informa.text(53).mid(3).trimmed(), QString::fromUtf8(basicFpTitles[l]));

        const auto informaCodes = sectionCodes(informa);
        for (const char* code : {" 5", " 6", " 8", " 9", "10", "11", "12", "13", "14", "15", "16", "18", "19", "20",
                                 "21", "22", "23", "34", "41", "42", "43", "44", "45", "46", "50", "51", "52", "53",
                                 "54", "55", "56", "57", "58", "59", "70", "71"})
            EXPECT_TRUE(informaCodes.count(code)) << "informa_l section " << code;
        EXPECT_FALSE(informaCodes.count("17"));
        const auto subjectCodes = sectionCodes(materias);
        for (const char* code : {" 1", " 2", " 3", " 4", "30", "10", "11", "12", "13", "14", "20", "21", "22", "23", "24"})
            EXPECT_TRUE(subjectCodes.count(code)) << "materias_l section " << code;
    }
}

TEST(GuidanceLanguages, TranslationsReplaceTheirEntriesAndFallBackOtherwise)
{
    GuidanceSources guidance;
    guidance.write("galego/itinerary.txt", "report.title\tRESULTADOS DO CUESTIONARIO ESO\n");
    guidance.write("galego/information-sections.txt", "[stage-0]\nA LOMCE cambia a ESO.\n");
    ASSERT_EQ(guidance.compileErrors(), 0);
    bool aborted = false;
    const LoadContext context(guidance.output.path(), aborted);
    TextTable castilian = standardTable(), galician = standardTable();
    loaders::loadFilled(context, QStringLiteral("cas/itinerar"), castilian, 54);
    loaders::loadFilled(context, QStringLiteral("galego/itinerar"), galician, 54);
    EXPECT_EQ(galician.text(21).trimmed(), QStringLiteral("RESULTADOS DO CUESTIONARIO ESO"));
    for (int n = 1; n <= 52; ++n) {
        if (n == 21)
            continue;
        EXPECT_EQ(galician[n], castilian[n]) << "line " << n;
    }

    TextTable informa = longLineTable(), castilianInforma = longLineTable();
    loaders::loadLongLines(context, QStringLiteral("galego/informa_l"), informa, 60);
    loaders::loadLongLines(context, QStringLiteral("cas/informa_l"), castilianInforma, 60);
    auto stage0Lines = [](const TextTable& table) {
        int lines = 0;
        for (int i = 0; i < table.count; ++i)
            lines += table[i].substr(0, 2) == "50";
        return lines;
    };
    EXPECT_EQ(stage0Lines(informa), 1);
    EXPECT_EQ(informa.count, castilianInforma.count - stage0Lines(castilianInforma) + 1);
}

TEST(GuidanceErrors, SourceProblemsAreReported)
{
    struct Edit {
        const char* file;
        QByteArray from; // empty: append `to`
        QByteArray to;
    };
    struct Case {
        const char* what;
        std::vector<Edit> edits;
        int errors; // -1: at least one
    };
    QByteArray longStage = "[stage-9]\n";
    for (int i = 0; i < 560; ++i)
        longStage += "Línea de relleno\n";
    const Case cases[] = {
        {"unknown group", {{"questions.txt", "\thumanities,languages,communication\n", "\thumanties\n"}}, 2},
        {"weight class not a digit", {{"questions.txt", "marks-maths\t8", "marks-maths\tA"}}, 1},
        {"answer type out of range", {{"questions.txt", "marks-english\t8\t5", "marks-english\t8\t6"}}, 1},
        {"question key twice", {{"questions.txt", "", "marks-maths\t8\t5\n"}}, 1},
        {"habit group missing from the short questionnaire", {{"questions.txt", "asking", "memory"}}, 1},
        {"group over its fifty members", {{"questions.txt", "\t4\t3\t", "\t4\t3\tagro,"}}, 1},
        {"question text too wide", {{"cas/questions.txt", "Nota del curso pasado en Lengua", "Nota del curso pasado en Lengua Castellana y Lit."}}, 1},
        {"text for an unknown question", {{"cas/questions.txt", "", "no-such-question\tTexto\n"}}, 1},
        {"question without a text", {{"cas/questions.txt", "marks-english\tNota del curso pasado en Inglés\n", ""}}, 1},
        {"graded marks out of place",
         {{"qualities.txt", "letters-above-6.5", "marks-6.5"},
          {"cas/qualities.txt", "letters-above-6.5", "marks-6.5"},
          {"catVal/qualities.txt", "letters-above-6.5", "marks-6.5"},
          {"galego/qualities.txt", "letters-above-6.5", "marks-6.5"},
          {"euskera/qualities.txt", "letters-above-6.5", "marks-6.5"}},
         1},
        {"quality in a group the advice does not score", {{"qualities.txt", "patient\thealth,social-education", "patient\thigher-fp"}}, 1},
        {"advice group without items",
         {{"qualities.txt", "\tengineering", "\tagro"}, {"qualities.txt", ",engineering", ",agro"}}, 1},
        {"unknown activity of a profession", {{"professions.txt", "farmer\tAGRO,MEDI", "farmer\tAGRO,XXXX"}}, 1},
        {"unknown short phrase", {{"professions.txt", "vet\tAGRO,SALU\tcure-animals", "vet\tAGRO,SALU\tcure-animal"}}, 1},
        {"too many short phrases for three long phrases",
         {{"long-phrases.txt", "office\tADMI,ECON", "office\tADMI,ECON,INVE,CALC"},
          {"long-phrases.txt", "health\tSALU\n", "health\tSALU,CUID,INFO,DISE\n"},
          {"long-phrases.txt", "law\tLEYE,SOCI", "law\tLEYE,SOCI,MEDI,CONS"}},
         -1},
        {"activity code not four capitals", {{"activities.txt", "", "AGR\n"}, {"cas/activities.txt", "", "AGR\tAlgo\n"}}, 1},
        {"character outside Windows-1252", {{"cas/activities.txt", "AGRO\tTrabajar", "AGRO\t\xF0\x9F\x8C\xB1 Trabajar"}}, 1},
        {"fp question in the near-home field", {{"fp-questions.txt", "crops\tagro", "crops\tnear-home"}}, 1},
        {"tenth fp field as second field", {{"fp-questions.txt", "gardens\tagro,building", "gardens\tagro,arts"}}, 1},
        {"unknown and missing section", {{"cas/information-sections.txt", "[stage-9]", "[stage-99]"}}, 2},
        {"section line too wide", {{"cas/information-sections.txt", "- En 2º y 3º de ESO.", "- En 2º y 3º de ESO, para alumnos con dificultades de aprendizaje."}}, 1},
        {"calendar row without two cells", {{"cas/information-sections.txt", "1º de FP Básica\t2014/15", "1º de FP Básica 2014/15"}}, 1},
        {"information table over its 600 lines", {{"cas/information-sections.txt", "[stage-9]\n", longStage}}, 1},
        {"modality name too wide", {{"cas/itinerary.txt", "modality.arts\tARTES", "modality.arts\tARTES PLÁSTICAS, IMAGEN Y DISEÑO GRÁFICO"}}, 1},
        {"unknown key in a translation", {{"catVal/itinerary.txt", "", "report.tittle\tRESULTATS\n"}}, 1},
    };
    for (const Case& c : cases) {
        GuidanceSources guidance;
        for (const Edit& edit : c.edits) {
            QByteArray content = guidance.read(edit.file);
            if (edit.from.isEmpty())
                content += edit.to;
            else {
                ASSERT_TRUE(content.contains(edit.from)) << c.what;
                content.replace(edit.from, edit.to);
            }
            guidance.write(edit.file, content);
        }
        const int errors = guidance.compileErrors();
        if (c.errors < 0)
            EXPECT_GT(errors, 0) << c.what;
        else
            EXPECT_EQ(errors, c.errors) << c.what;
    }
}

TEST(GuidanceWarnings, ProfessionsNoLongPhraseLeadsToAreReported)
{
    GuidanceSources guidance;
    ASSERT_EQ(guidance.compileErrors(), 0);
    const int before = guidance.warnings;
    // Without TRAN, the professions whose only activity it is are never offered;
    // TRAN itself still reaches the results through a phrase of another profession.
    QByteArray longPhrases = guidance.read("long-phrases.txt");
    ASSERT_TRUE(longPhrases.contains("machines\tMAQU,TRAN\n"));
    guidance.write("long-phrases.txt", longPhrases.replace("machines\tMAQU,TRAN\n", "machines\tMAQU\n"));
    ASSERT_EQ(guidance.compileErrors(), 0);
    EXPECT_EQ(guidance.warnings - before, 3) << "pilot, driver, merchant officer";

    // An activity that no short phrase carries never reaches the results.
    QByteArray activities = guidance.read("activities.txt");
    guidance.write("activities.txt", activities + "NUEV\n");
    QByteArray texts = guidance.read("cas/activities.txt");
    guidance.write("cas/activities.txt", texts + "NUEV\tUna actividad que ninguna frase lleva\n");
    ASSERT_EQ(guidance.compileErrors(), 0);
    EXPECT_EQ(guidance.warnings - before, 4);
}

} // namespace

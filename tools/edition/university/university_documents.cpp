#include "university_documents.h"

#include "university_pdf.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <set>

using namespace university;

namespace {

// The documents the screens open by name.
const char* const kRequiredDocuments[] = {
    "Precios_Grado_Master", "NotaMedia", "Movilidad_2015", "Tasa_Rendimiento", "Becas", "insercionLaboral", "DeportesCentros",
};

const QString kWeightingNotice = QStringLiteral(
    "DATOS DE EJEMPLO. Esta tabla es ilustrativa: no reproduce las ponderaciones oficiales del curso 2016/17. "
    "Consulta las tablas publicadas por cada universidad o por la comisión organizadora de tu comunidad.");
const QString kFiguresNotice = QStringLiteral(
    "DATOS DE EJEMPLO. Las cifras de este documento son ilustrativas y no son estadísticas oficiales. "
    "Consulta las fuentes oficiales del Ministerio y de las universidades.");

// The subjects that add up to one more point, by branch (materiasp numbers),
// and what else the branch accepts.
struct BranchSubjects {
    std::vector<int> subjects;
    const char* others;
};
const BranchSubjects kBranchSubjects[] = {
    {{}, "Otras materias de Arte y Humanidades"},
    {{3, 21, 4, 10, 23}, nullptr},
    {{9, 16, 13, 15, 18}, "Otras materias de Ciencias y de Arte y Humanidades"},
    {{4, 21, 7, 3, 10, 23, 8, 9}, nullptr},
    {{19, 11, 4}, nullptr},
};

QString subjectName(const UniversityData& data, int subject)
{
    if (subject == kSeveralSubjects)
        return QStringLiteral("Varias materias");
    return subject >= 1 && subject <= data.subjects.count() ? data.subjects.entries[size_t(subject - 1)].text : QString();
}

std::vector<PdfBlock> weightingTables(const UniversityData& data, const std::vector<int>& places)
{
    std::vector<PdfBlock> blocks;
    blocks.push_back({PdfBlock::Kind::Paragraph,
                      {QStringLiteral("Materias de modalidad de 2º de Bachillerato que cuentan en la fase específica, "
                                      "con su ponderación para cada grado.")}});
    for (int place : places) {
        std::vector<PdfBlock> rows;
        for (const Degree& degree : data.degrees) {
            if (std::none_of(degree.places.begin(), degree.places.end(), [&](const DegreePlace& p) { return p.place == place; }))
                continue;
            QStringList high;
            std::set<int> listed;
            for (int subject : degree.subjects)
                if (subject) {
                    high << subjectName(data, subject);
                    listed.insert(subject);
                }
            QStringList low;
            const BranchSubjects& branch = kBranchSubjects[std::clamp(degree.branch, 1, 5) - 1];
            for (int subject : branch.subjects)
                if (!listed.count(subject))
                    low << subjectName(data, subject);
            if (branch.others)
                low << QLatin1String(branch.others);
            rows.push_back({PdfBlock::Kind::TableRow, {degree.name, high.join(QStringLiteral(", ")), low.join(QStringLiteral(", "))}});
        }
        if (rows.empty())
            continue;
        blocks.push_back({PdfBlock::Kind::Heading, {data.places[size_t(place - 1)].name}});
        blocks.push_back({PdfBlock::Kind::TableHeader, {QStringLiteral("Grado"), QStringLiteral("Ponderación 0,2"),
                                                        QStringLiteral("Ponderación 0,1")}});
        blocks.insert(blocks.end(), rows.begin(), rows.end());
    }
    return blocks;
}

// file TAB scope TAB title: the scope is a community (its places) or a place key.
void writeWeightings(const QString& sourceRoot, const UniversityData& data, OutputFolder& out, Diagnostics& diagnostics)
{
    const QString shown = QStringLiteral("university/weightings.txt");
    const auto lines = readSource(QDir(sourceRoot).filePath(shown), shown, diagnostics);
    if (!lines)
        return;
    std::set<QString> files;
    for (const SourceLine& line : *lines) {
        const auto parts = fields(line, 3, 3, "file<TAB>community or place<TAB>title", shown, diagnostics);
        if (!parts)
            continue;
        const QString& file = parts->at(0);
        if (!files.insert(file.toLower()).second)
            diagnostics.error(shown, line.number, QStringLiteral("file \"%1\" given twice").arg(file));
        if (file.contains(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]"))))
            diagnostics.error(shown, line.number, QStringLiteral("file names use letters, digits, \"_\" and \"-\" only"));
        std::vector<int> places;
        for (size_t k = 0; k < data.places.size(); ++k) {
            const Place& place = data.places[k];
            const bool inCommunity = place.community >= 1 && size_t(place.community) <= data.communities.size() &&
                                     data.communities[size_t(place.community - 1)] == parts->at(1);
            if (inCommunity || place.key == parts->at(1))
                places.push_back(static_cast<int>(k) + 1);
        }
        if (places.empty()) {
            diagnostics.error(shown, line.number, QStringLiteral("\"%1\" is neither a community with places nor a place").arg(parts->at(1)));
            continue;
        }
        out.writeBytes(QStringLiteral("pdf/%1.pdf").arg(file), renderPdf(parts->at(2), kWeightingNotice, weightingTables(data, places)));
    }
}

// A text: its first line the title, "== " headings, lines with tabs table
// rows (the first row of a table its header), other lines paragraphs.
std::vector<PdfBlock> textBlocks(const std::vector<SourceLine>& lines)
{
    std::vector<PdfBlock> blocks;
    bool inTable = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        const QString& text = lines[i].text;
        if (text.contains(QLatin1Char('\t'))) {
            blocks.push_back({inTable ? PdfBlock::Kind::TableRow : PdfBlock::Kind::TableHeader, text.split(QLatin1Char('\t'))});
            inTable = true;
            continue;
        }
        inTable = false;
        if (text.startsWith(QLatin1String("== ")))
            blocks.push_back({PdfBlock::Kind::Heading, {text.mid(3)}});
        else
            blocks.push_back({PdfBlock::Kind::Paragraph, {text}});
    }
    return blocks;
}

void writeFigures(const QString& sourceRoot, OutputFolder& out, Diagnostics& diagnostics)
{
    const QDir folder(QDir(sourceRoot).filePath(QStringLiteral("university/documents")));
    std::set<QString> written;
    for (const QString& name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        const QString shown = QStringLiteral("university/documents/") + name;
        const auto lines = readSource(folder.filePath(name), shown, diagnostics);
        if (!lines || lines->empty()) {
            diagnostics.error(shown, 0, QStringLiteral("a document needs at least its title"));
            continue;
        }
        for (const SourceLine& line : *lines)
            encodeChecked(line.text, shown, line.number, diagnostics);
        const QString base = QFileInfo(name).completeBaseName();
        written.insert(base);
        out.writeBytes(QStringLiteral("pdf/est/%1.pdf").arg(base), renderPdf(lines->front().text, kFiguresNotice, textBlocks(*lines)));
    }
    for (const char* required : kRequiredDocuments)
        if (!written.count(QLatin1String(required)))
            diagnostics.error(QStringLiteral("university/documents/"), 0,
                              QStringLiteral("no %1.txt: the program opens pdf/est/%1.pdf").arg(QLatin1String(required)));
}

} // namespace

void writeDocuments(const QString& sourceRoot, const UniversityData& data, OutputFolder& out, Diagnostics& diagnostics)
{
    writeWeightings(sourceRoot, data, out, diagnostics);
    writeFigures(sourceRoot, out, diagnostics);
}

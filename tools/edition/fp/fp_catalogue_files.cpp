#include "fp_catalogue_files.h"

#include "data/data_store.h"
#include "platform/cp1252.h"

#include <QtEndian>

namespace {

constexpr int kFamilyNameWidth = 59; // after the family code character
constexpr int kGroupNameWidth = 54; // after three two-digit family numbers
constexpr int kFirstGroupLine = 30;
constexpr int kRequirementWidth = 55;
constexpr int kFieldCodeColumns = 4;
constexpr const char* kBasicHeading = "-   ";

struct GradeFiles {
    const char* catalogue;
    const char* details;
};
constexpr GradeFiles kGradeFiles[] = {{"fp", "asignafp"}, {"fp2", "asignagm"}, {"fpba", "asignaba"}};

struct Texts {
    Records families, arts, labels;
    std::string label(LanguagePass& pass, const char* key, int width) const
    {
        for (const Record& record : labels)
            if (record.key == QLatin1String(key))
                return pass.text(record, "text", width);
        return {};
    }
};

std::string headingLine(const Catalogue& catalogue, const Texts& texts, LanguagePass& pass, int familyIndex,
                        Grade grade)
{
    const Family& family = catalogue.families[size_t(familyIndex)];
    if (grade == Grade::Basic)
        return std::string(1, familyCode(family.number)) + kBasicHeading
            + pass.text(texts.families[size_t(family.number - 1)], "name", kTextLineWidth - 5);
    switch (family.kind) {
    case Family::Kind::Ordinary:
        return "-" + pass.text(texts.families[size_t(family.number - 1)], "name", kFamilyNameWidth);
    case Family::Kind::Arts:
        return "-|" + pass.text(texts.arts[size_t(familyIndex - kOrdinaryFamilies)], "name", kFamilyNameWidth - 1);
    case Family::Kind::Sports:
        return "-!" + texts.label(pass, "sports-family", kFamilyNameWidth - 1);
    }
    return {};
}

void writeGrade(const Catalogue& catalogue, const Texts& texts, const GradeCatalogue& grade, LanguagePass& pass,
                OutputFolder& out)
{
    const Records records = pass.recordFile(grade.records, grade.file, kTitleTextFields);
    const QString heading = cp1252::decode(texts.label(pass, "modules-heading", kTextLineWidth - 1));
    std::vector<std::string> lines, blocks;
    if (grade.grade == Grade::Basic) {
        const Records fields = pass.lineFile(catalogue.fieldRecords, "basic-fields.txt", QStringLiteral("name"));
        for (size_t f = 0; f < fields.size() && f < catalogue.basicFields.size(); ++f)
            lines.push_back(padded(catalogue.basicFields[f].codes.toStdString(), kFieldCodeColumns)
                            + pass.text(fields[f], "name", kTextLineWidth - kFieldCodeColumns));
    }
    for (const GradeCatalogue::Line& line : grade.lines) {
        if (line.heading) {
            lines.push_back(headingLine(catalogue, texts, pass, line.index, grade.grade));
            blocks.push_back(lines.back());
            blocks.resize(blocks.size() + kBlockLines);
            continue;
        }
        const Record& record = records[size_t(line.index)];
        const Title& title = grade.titles[size_t(line.index)];
        const int familyNumber = catalogue.families[size_t(std::max(title.family, 0))].number;
        const int nameWidth = grade.grade == Grade::Basic ? kTextLineWidth - 1 : kTextLineWidth;
        std::string name = pass.text(record, "name", nameWidth);
        lines.push_back(grade.grade == Grade::Basic ? familyCode(familyNumber) + name : name);
        blocks.push_back(name);
        for (const std::string& detail : detailBlock(pass, record, heading))
            blocks.push_back(detail);
    }
    const GradeFiles& files = kGradeFiles[static_cast<size_t>(grade.grade)];
    out.writeLines(QLatin1String(pass.language()) + QLatin1Char('/') + QLatin1String(files.catalogue), lines);
    out.writeLines(QLatin1String(pass.language()) + QLatin1Char('/') + QLatin1String(files.details), blocks);
}

void writeFamilies(const Catalogue& catalogue, const Texts& texts, LanguagePass& pass, OutputFolder& out)
{
    std::vector<std::string> lines;
    for (const Record& record : texts.families)
        lines.push_back(familyCode(static_cast<int>(lines.size()) + 1) + pass.text(record, "name", kFamilyNameWidth));
    lines.resize(kFirstGroupLine - 1);
    const Records groups = pass.lineFile(catalogue.groupRecords, "family-groups.txt", QStringLiteral("name"));
    for (size_t g = 0; g < groups.size() && g < catalogue.groups.size(); ++g) {
        std::string line;
        for (int family : catalogue.groups[g].families)
            line += QStringLiteral("%1").arg(family, 2, 10, QLatin1Char('0')).toStdString();
        lines.push_back(line + pass.text(groups[g], "name", kGroupNameWidth));
    }
    out.writeLines(QLatin1String(pass.language()) + QStringLiteral("/familias"), lines);
}

void writeRequirements(const Catalogue& catalogue, LanguagePass& pass, OutputFolder& out)
{
    std::vector<std::string> lines;
    for (const Record& record : pass.lineFile(catalogue.requirementRecords, "requirements.txt", QStringLiteral("text")))
        lines.push_back(pass.text(record, "text", kRequirementWidth));
    out.writeLines(QLatin1String(pass.language()) + QStringLiteral("/reqfp"), lines);
}

void put(QByteArray& bytes, int index, int value)
{
    qToLittleEndian<qint32>(value, bytes.data() + 4 * index);
}

} // namespace

void writeCatalogueTexts(const Catalogue& catalogue, const Records& families, LanguagePass& pass, OutputFolder& out)
{
    Texts texts;
    texts.families = families;
    texts.arts = pass.lineFile(catalogue.artsRecords, "arts-families.txt", QStringLiteral("name"));
    texts.labels = pass.lineFile(catalogue.labelRecords, "labels.txt", QStringLiteral("text"));
    writeFamilies(catalogue, texts, pass, out);
    writeRequirements(catalogue, pass, out);
    for (const GradeCatalogue& grade : catalogue.grades)
        writeGrade(catalogue, texts, grade, pass, out);
}

void writeTitleRecords(const Catalogue& catalogue, OutputFolder& out)
{
    const DataStore& layout = DataStore::instance();
    auto write = [&](const IntRecords& area, Grade g, const char* file, auto fill) {
        QByteArray bytes(area.byteSize(), '\0');
        const GradeCatalogue& grade = catalogue.grade(g);
        for (size_t d = 0; d < grade.lines.size() && static_cast<int>(d) < area.rows(); ++d) {
            if (grade.lines[d].heading)
                continue;
            const Title& title = grade.titles[size_t(grade.lines[d].index)];
            const int family = title.family < 0 ? 0 : catalogue.families[size_t(title.family)].number;
            fill(
                [&](int field, int value) { put(bytes, static_cast<int>(d) * area.fieldsPerRow() + field - 1, value); },
                title, family);
        }
        out.writeBytes(QLatin1String(file), bytes);
    };
    auto fields = [](auto set, int first, const std::vector<int>& values) {
        for (size_t i = 0; i < values.size(); ++i)
            set(first + static_cast<int>(i), values[i]);
    };
    write(layout.datfps, Grade::Higher, "datfps", [&](auto set, const Title& title, int family) {
        fields(set, 1, title.groups);
        fields(set, 5, title.requirements);
        fields(set, 18, title.professions);
        set(24, family);
    });
    write(layout.datfpm, Grade::Intermediate, "datfpm", [&](auto set, const Title& title, int family) {
        fields(set, 1, title.professions);
        set(4, family);
        fields(set, 5, title.questions);
    });
}

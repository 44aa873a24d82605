#include "fp_certificates.h"

namespace {

constexpr int kFieldCodes = 8;
constexpr size_t kRequirementsPerCertificate = 3;
constexpr int kRequirementKinds = 9;
constexpr int kKindNameShown = 28;
constexpr int kMostHours = 999;
constexpr int kLongLineWidth = 90;
constexpr int kDescriptionColumn = 8;
constexpr int kTableCapacity = 1100;

Records readCastilian(const Catalogue& catalogue, const char* file, const QStringList& fields, Diagnostics& diagnostics)
{
    const QString name = QLatin1String(file);
    return readLineFile(languageSource(catalogue.folder, "cas", name), shownSource("cas", name), fields, diagnostics);
}

CertificateCatalogue::Certificate readCertificate(const Catalogue& catalogue, const Record& record,
                                                  const std::map<QString, int>& kinds, Diagnostics& diagnostics)
{
    FieldReader reader(record, diagnostics);
    CertificateCatalogue::Certificate certificate;
    if (const auto family = reader.single("family", true)) {
        if (const auto number = catalogue.ordinaryFamily(family->value))
            certificate.family = *number;
        else
            diagnostics.error(family->file, family->line, QStringLiteral("unknown family \"%1\"").arg(family->value));
    }
    reader.single("name", true);
    reader.single("description", true);
    const QStringList requirements = reader.words("requires");
    if (requirements.size() > static_cast<qsizetype>(kRequirementsPerCertificate))
        diagnostics.error(record.file, record.line,
                          QStringLiteral("at most %1 requirements").arg(kRequirementsPerCertificate));
    for (const QString& key : requirements.mid(0, kRequirementsPerCertificate)) {
        const auto kind = kinds.find(key);
        if (kind == kinds.end())
            diagnostics.error(record.file, record.line, QStringLiteral("unknown requirement \"%1\"").arg(key));
        else
            certificate.requirements += QString::number(kind->second);
    }
    if (const auto hours = reader.single("hours", true)) {
        bool numeric = false;
        certificate.hours = hours->value.toInt(&numeric);
        if (!numeric || certificate.hours < 1 || certificate.hours > kMostHours)
            diagnostics.error(hours->file, hours->line, QStringLiteral("hours must be 1..%1").arg(kMostHours));
    }
    reader.finish();
    return certificate;
}

} // namespace

CertificateCatalogue readCertificates(const Catalogue& catalogue, Diagnostics& diagnostics)
{
    CertificateCatalogue result;
    result.fieldRecords = readCastilian(catalogue, "certificate-fields.txt",
                                        {QStringLiteral("families"), QStringLiteral("name")}, diagnostics);
    if (result.fieldRecords.size() != kFields)
        diagnostics.error(shownSource("cas", QStringLiteral("certificate-fields.txt")), 0,
                          QStringLiteral("%1 fields given, %2 expected").arg(result.fieldRecords.size()).arg(kFields));
    for (const Record& record : result.fieldRecords) {
        QString codes;
        const QStringList keys = record.fields.front().value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (keys.size() > kFieldCodes)
            diagnostics.error(record.file, record.line,
                              QStringLiteral("at most %1 families per field").arg(kFieldCodes));
        for (const QString& key : keys) {
            if (const auto number = catalogue.ordinaryFamily(key))
                codes += QLatin1Char(familyCode(*number));
            else
                diagnostics.error(record.file, record.line, QStringLiteral("unknown family \"%1\"").arg(key));
        }
        result.fieldCodes.push_back(codes.left(kFieldCodes));
    }
    result.kindRecords = readCastilian(catalogue, "certificate-requirements.txt", kNameField, diagnostics);
    if (result.kindRecords.size() != kRequirementKinds)
        diagnostics.error(shownSource("cas", QStringLiteral("certificate-requirements.txt")), 0,
                          QStringLiteral("%1 requirement kinds given, %2 expected")
                              .arg(result.kindRecords.size())
                              .arg(kRequirementKinds));
    std::map<QString, int> kinds;
    for (const Record& record : result.kindRecords)
        kinds.emplace(record.key, static_cast<int>(kinds.size()) + 1);

    const QString file = QStringLiteral("certificates.txt");
    result.records
        = readRecordFile(languageSource(catalogue.folder, "cas", file), shownSource("cas", file), diagnostics);
    for (const Record& record : result.records)
        result.certificates.push_back(readCertificate(catalogue, record, kinds, diagnostics));
    for (int family = 1; family <= kOrdinaryFamilies; ++family) {
        bool headed = false;
        for (size_t c = 0; c < result.certificates.size(); ++c) {
            if (result.certificates[c].family != family)
                continue;
            if (!headed)
                result.lines.push_back({true, family});
            headed = true;
            result.lines.push_back({false, static_cast<int>(c)});
        }
    }
    if (static_cast<int>(result.lines.size()) + kFields > kTableCapacity)
        diagnostics.error(shownSource("cas", file), 0,
                          QStringLiteral("the certificate tables hold %1 lines").arg(kTableCapacity));
    return result;
}

void writeCertificates(const CertificateCatalogue& certificates, const Records& families, LanguagePass& pass,
                       OutputFolder& out)
{
    std::vector<std::string> names, details;
    const Records fields = pass.lineFile(certificates.fieldRecords, "certificate-fields.txt", QStringLiteral("name"));
    for (size_t f = 0; f < fields.size() && f < certificates.fieldCodes.size(); ++f)
        names.push_back(padded(certificates.fieldCodes[f].toStdString(), kFieldCodes)
                        + pass.text(fields[f], "name", kTextLineWidth - kFieldCodes));
    const Records kinds
        = pass.lineFile(certificates.kindRecords, "certificate-requirements.txt", QStringLiteral("name"));
    for (const Record& kind : kinds) {
        details.push_back(std::to_string(details.size() + 1) + pass.text(kind, "name", kLongLineWidth - 1));
        if (pass.owns(kind.fields.front()) && static_cast<int>(details.back().size()) - 1 > kKindNameShown)
            pass.diagnostics().warning(kind.file, kind.line,
                                       QStringLiteral("the screens show only %1 characters").arg(kKindNameShown));
    }
    const Records records = pass.recordFile(certificates.records, QStringLiteral("certificates.txt"),
                                            {QStringLiteral("name"), QStringLiteral("description")});
    for (const CertificateCatalogue::Line& line : certificates.lines) {
        if (line.heading) {
            const std::string family = pass.text(families[size_t(line.index - 1)], "name", kTextLineWidth - 2);
            names.push_back(familyCode(line.index) + ("-" + family));
            details.push_back(family);
            continue;
        }
        const CertificateCatalogue::Certificate& certificate = certificates.certificates[size_t(line.index)];
        const Record& record = records[size_t(line.index)];
        names.push_back(familyCode(certificate.family) + pass.text(record, "name", kTextLineWidth - 1));
        const std::string hours = QStringLiteral("%1").arg(certificate.hours, 3).toStdString();
        details.push_back(padded(certificate.requirements.toStdString(), 3) + hours + " "
                          + pass.text(record, "description", kLongLineWidth - kDescriptionColumn + 1));
    }
    const QString folder = QLatin1String(pass.language()) + QLatin1Char('/');
    out.writeLines(folder + QStringLiteral("certifica"), names);
    out.writeLines(folder + QStringLiteral("certificah"), details);
}

#include "fp_statistics.h"

#include <QDir>
#include <cmath>

namespace {

constexpr int kPupilsWidth = 4;
constexpr int kJobsWidth = 5;
constexpr int kWorkersWidth = 7;
constexpr double kShareTotal = 100.0;
constexpr double kShareTolerance = 0.5;
constexpr const char* kUnusedLine = "Cifras ilustrativas";

std::optional<double> share(const Field& field, int width, Diagnostics& diagnostics)
{
    bool numeric = false;
    const double value = field.value.toDouble(&numeric);
    if (!numeric || value < 0 || value > kShareTotal || field.value.size() > width
        || field.value.contains(QLatin1Char(','))) {
        diagnostics.error(field.file, field.line,
                          QStringLiteral("\"%1\": a share in %, with a decimal point, at most %2 characters")
                              .arg(field.value)
                              .arg(width));
        return std::nullopt;
    }
    return value;
}

// Digits grouped by thousands with dots, as the screen shows the total.
QString grouped(qint64 value)
{
    QString digits = QString::number(value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char('.'));
    return digits;
}

} // namespace

void compileFamilyStatistics(const Catalogue& catalogue, OutputFolder& out, Diagnostics& diagnostics)
{
    const QString shown = QStringLiteral("fp/family-statistics.txt");
    const Records records
        = readLineFile(QDir(catalogue.folder).filePath(QStringLiteral("family-statistics.txt")), shown,
                       {QStringLiteral("pupils"), QStringLiteral("jobs"), QStringLiteral("workers")}, diagnostics);
    std::vector<std::string> lines(kOrdinaryFamilies);
    double pupils = 0, jobs = 0;
    qint64 workers = 0;
    for (const Record& record : records) {
        const auto family = catalogue.ordinaryFamily(record.key);
        if (!family) {
            diagnostics.error(record.file, record.line, QStringLiteral("unknown family \"%1\"").arg(record.key));
            continue;
        }
        std::string& line = lines[size_t(*family - 1)];
        if (!line.empty())
            diagnostics.error(record.file, record.line, QStringLiteral("family %1 given twice").arg(record.key));
        const auto pupilShare = share(record.fields[0], kPupilsWidth, diagnostics);
        const auto jobShare = share(record.fields[1], kJobsWidth, diagnostics);
        bool numeric = false;
        const int familyWorkers = record.fields[2].value.toInt(&numeric);
        if (!numeric || familyWorkers < 0 || record.fields[2].value.size() > kWorkersWidth)
            diagnostics.error(record.file, record.line,
                              QStringLiteral("workers: a whole number of at most %1 digits").arg(kWorkersWidth));
        pupils += pupilShare.value_or(0);
        jobs += jobShare.value_or(0);
        workers += numeric ? familyWorkers : 0;
        line = QStringLiteral("%1 %2%3")
                   .arg(record.fields[0].value, -kPupilsWidth)
                   .arg(record.fields[1].value, -kJobsWidth)
                   .arg(record.fields[2].value, kWorkersWidth)
                   .toStdString();
    }
    for (int family = 1; family <= kOrdinaryFamilies && family <= static_cast<int>(catalogue.familyRecords.size());
         ++family)
        if (lines[size_t(family - 1)].empty())
            diagnostics.error(
                shown, 0,
                QStringLiteral("no figures for family %1").arg(catalogue.familyRecords[size_t(family - 1)].key));
    for (const auto& [total, what] : {std::pair {pupils, "pupils"}, std::pair {jobs, "jobs"}})
        if (std::abs(total - kShareTotal) > kShareTolerance)
            diagnostics.warning(shown, 0,
                                QStringLiteral("the shares of %1 add up to %2%").arg(QLatin1String(what)).arg(total));
    lines.push_back(grouped(workers).toStdString());
    lines.push_back(kUnusedLine);
    out.writeLines(QStringLiteral("fami_estad.txt"), lines);
}

#include "questionnaires/report_file.h"

#include <QSaveFile>

bool writeReportFile(const QString& path, const std::string& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

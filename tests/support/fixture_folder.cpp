#include "support/fixture_folder.h"

#include "platform/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <stdexcept>

FixtureFolder::FixtureFolder()
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
}

void FixtureFolder::writeBytes(const QString& name, const QByteArray& bytes) const
{
    const QString target = filePath(name);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write fixture file");
}

void FixtureFolder::writeLines(const QString& name, const std::vector<std::string>& utf8Lines) const
{
    QByteArray bytes;
    for (const std::string& line : utf8Lines) {
        bytes += QByteArray::fromStdString(cp1252::encode(QString::fromStdString(line)));
        bytes += "\r\n";
    }
    writeBytes(name, bytes);
}

void FixtureFolder::writeIntegers(const QString& name, const std::vector<int32_t>& values) const
{
    writeBytes(name, integerBytes(values));
}

void FixtureFolder::remove(const QString& name) const
{
    QFile::remove(filePath(name));
}

QByteArray integerBytes(const std::vector<int32_t>& values)
{
    QByteArray bytes(static_cast<qsizetype>(values.size() * 4), '\0');
    for (size_t i = 0; i < values.size(); ++i)
        qToLittleEndian<qint32>(values[i], bytes.data() + 4 * i);
    return bytes;
}
